#include "render/axis_numbers.h"

#include "base/number_text.h"
#include "geometry/planes.h"
#include "geometry/projection.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace {
constexpr int Gap = 3; // pixels between a line's end and its number
// A line shorter than this on the picture gives its number no direction to stand in.
constexpr double MinLength = 2;
// The cosine between a plane's normal and the line of sight below which the plane counts as
// seen edge on (about 81 degrees).
constexpr long double EdgeOn = 0.15L;
// Depth differences below this count as none: the ends of a line are equally near the eye.
constexpr long double Level = 1e-9L;
// Number centres further out than this are far off any picture and are not boxed.
constexpr double FarOut = 1e7;

long double coordinate(const TSpacePoint& p, int axis)
{
    return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z;
}

// The axis across the plane: the coordinate that is 0 at every point of the grid.
int normalAxis(const TPlaneMatrisi& grid)
{
    for (int axis = 0; axis < 3; ++axis) {
        bool zero = true;
        for (int i = 0; i < grid.Count() && zero; ++i)
            zero = coordinate(grid.SpacePoints(i), axis) == 0;
        if (zero)
            return axis;
    }
    return -1;
}

// How squarely a plane across the given axis faces the eye: the depth component of the axis's
// unit vector as the matrix turns it. Rows 0..2 are the turned unit vectors; the depth stands
// in column 2, or, once the perspective has been multiplied in, in column 3 times the
// perspective factor (column 2 is then 0).
long double facing(const TTransformMatrix& m, int axis)
{
    const auto& e = m.M();
    return e[axis][2] + e[axis][3] / PerspectiveFactor();
}

struct TCandidate {
    double Length;
    TAxisNumber Number;
};
}

QString AxisNumberText(long double value)
{
    QString text = QString::number(value == 0 ? 0.0 : static_cast<double>(value), 'g', 4);
    const char separator = DecimalSeparator();
    if (separator != '.')
        text.replace(QLatin1Char('.'), QLatin1Char(separator));
    return text;
}

std::vector<TAxisNumber> PlaceAxisNumbers(const TPlanes& planes, const TTransformMatrix& m, int x0,
    int y0, const QRect& picture, std::vector<QRect>& taken)
{
    const QFontMetrics metrics(QGuiApplication::font());
    std::vector<TCandidate> candidates;
    for (int index = 1; index <= 3; ++index) {
        const TPlane& plane = planes.Items(index);
        if (!plane.Visible())
            continue;
        const TPlaneMatrisi& grid = plane.Grid();
        const int normal = normalAxis(grid);
        if (normal < 0 || std::fabs(facing(m, normal)) < EdgeOn)
            continue;
        const TScreenPoint* screen = grid.ScreenPointData();
        // Segment k runs from point 2k on the positive side of the axis along it to point
        // 2k + 1 on its negative side. The number goes past the end nearer the eye, so that
        // the numbers stand on the plane's front edge rather than behind the other planes;
        // where both ends are as near (a plane facing the eye), past the negative end.
        for (int k = 0; 2 * k + 1 < grid.Count(); ++k) {
            const TSpacePoint& a = grid.SpacePoints(2 * k);
            const TSpacePoint& b = grid.SpacePoints(2 * k + 1);
            int across = -1;
            for (int axis = 0; axis < 3; ++axis)
                if (axis != normal && coordinate(a, axis) == coordinate(b, axis))
                    across = axis;
            if (across < 0)
                continue;
            const int along = 3 - normal - across;
            const bool positiveEnd = facing(m, along) > Level;
            const TScreenPoint& from = screen[positiveEnd ? 2 * k + 1 : 2 * k];
            const TScreenPoint& to = screen[positiveEnd ? 2 * k : 2 * k + 1];
            if (!Drawable(from) || !Drawable(to))
                continue;
            // Picture pixels, y downward.
            const double endX = double(x0) + to.X;
            const double endY = double(y0) - to.Y;
            const double dx = double(to.X) - from.X;
            const double dy = double(from.Y) - to.Y;
            const double length = std::hypot(dx, dy);
            if (length < MinLength)
                continue;
            const QString text = AxisNumberText(coordinate(a, across));
            const int w = metrics.horizontalAdvance(text);
            const int h = metrics.height();
            // Past the end along the line, by the gap and the half of the box the line meets.
            const double ux = dx / length;
            const double uy = dy / length;
            const double reach = Gap + (std::fabs(ux) * w + std::fabs(uy) * h) / 2;
            const double cx = endX + ux * reach;
            const double cy = endY + uy * reach;
            if (std::fabs(cx) > FarOut || std::fabs(cy) > FarOut)
                continue;
            const QRect box(
                int(std::nearbyint(cx - w / 2.0)), int(std::nearbyint(cy - h / 2.0)), w, h);
            if (!box.intersects(picture))
                continue;
            candidates.push_back({ length, { text, box, plane.Color() } });
        }
    }
    std::stable_sort(candidates.begin(), candidates.end(),
        [](const TCandidate& p, const TCandidate& q) { return p.Length > q.Length; });
    std::vector<TAxisNumber> placed;
    for (const TCandidate& c : candidates) {
        // A pixel of air between two labels.
        const QRect spaced = c.Number.Box.adjusted(-1, -1, 1, 1);
        if (std::any_of(taken.begin(), taken.end(),
                [&](const QRect& box) { return box.intersects(spaced); }))
            continue;
        taken.push_back(c.Number.Box);
        placed.push_back(c.Number);
    }
    return placed;
}
