#include "curves/view_fit.h"

#include "curves/object_list.h"
#include "geometry/camera.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr double Fill = 0.9; // the share of the view the points take
constexpr int Rounds = 24;
constexpr double Settled = 1e-5; // of the fill: far below a pixel

struct TBounds {
    double MinX = std::numeric_limits<double>::infinity();
    double MaxX = -std::numeric_limits<double>::infinity();
    double MinY = std::numeric_limits<double>::infinity();
    double MaxY = -std::numeric_limits<double>::infinity();
    bool Empty() const { return !(MinX <= MaxX); }
};

// A point's screen offset (pixels from the origin, y upward) at scale s is
// (p . column 0, p . column 1) / (s + p . column 3): the scale stands only in the
// divisor, and column 3 is 0 but in perspective.
class TProjectedCurves {
public:
    TProjectedCurves(const TTransformMatrix& m, const TObjectList& curves)
        : FCurves(curves)
    {
        for (int row = 0; row < 3; ++row)
            for (int k = 0; k < 3; ++k)
                FC[row][k] = static_cast<double>(m.M()[row][k == 2 ? 3 : k]);
    }

    // Calls f(x, y, d) for every point of every visible curve: its two numerators and
    // the part of its divisor that is not the scale.
    template <typename F> void forEach(F f) const
    {
        for (int i = 0; i < FCurves.Count(); ++i) {
            const TCurveRecord curve = FCurves.Items(i);
            if (!curve.Visible || curve.Points == nullptr)
                continue;
            const TSpacePoint* p = curve.Points->SpacePointData();
            for (int k = 0; k < curve.Points->Count(); ++k) {
                const double x = static_cast<double>(p[k].X);
                const double y = static_cast<double>(p[k].Y);
                const double z = static_cast<double>(p[k].Z);
                f(x * FC[0][0] + y * FC[1][0] + z * FC[2][0],
                    x * FC[0][1] + y * FC[1][1] + z * FC[2][1],
                    x * FC[0][2] + y * FC[1][2] + z * FC[2][2]);
            }
        }
    }

    // The smallest scale that still puts every point in front of the eye (0 when any
    // scale will); infinite when there is no point.
    double Floor() const
    {
        bool any = false;
        double floor = 0;
        forEach([&](double, double, double d) {
            if (std::isfinite(d)) {
                any = true;
                floor = std::max(floor, -d);
            }
        });
        return any ? floor : std::numeric_limits<double>::infinity();
    }

    TBounds At(double s) const
    {
        TBounds b;
        forEach([&](double x, double y, double d) {
            const double w = s + d;
            if (!(w > 0))
                return;
            const double sx = x / w, sy = y / w;
            if (!std::isfinite(sx) || !std::isfinite(sy))
                return;
            b.MinX = std::min(b.MinX, sx);
            b.MaxX = std::max(b.MaxX, sx);
            b.MinY = std::min(b.MinY, sy);
            b.MaxY = std::max(b.MaxY, sy);
        });
        return b;
    }

private:
    const TObjectList& FCurves;
    double FC[3][3];
};

// How many times larger than the share of the view the bounds are.
double growth(const TBounds& b, int width, int height)
{
    const double across = (b.MaxX - b.MinX) / (Fill * std::max(1, width - 1));
    const double up = (b.MaxY - b.MinY) / (Fill * std::max(1, height - 1));
    return std::max(across, up);
}

int clampedPixel(double value)
{
    return static_cast<int>(std::clamp(std::nearbyint(value), -1073741824.0, 1073741824.0));
}
}

bool FitView(TCamera& camera, const TObjectList& curves, int width, int height)
{
    TCamera trial = camera;
    trial.BuildMatrix();
    const TProjectedCurves points(trial.Matrix(), curves);
    const double floor = points.Floor();
    if (std::isinf(floor))
        return false;
    // The scale is floor + t. Each offset is x / (t + a) with a >= 0, so the growth g(t)
    // falls as t rises, and in a parallel view (a = 0) g(t) * t is constant: one step
    // t * g(t) is exact. In perspective the steps seek log g = 0 against log t by the
    // secant, kept within a bracket.
    double t = static_cast<double>(camera.Scale()) - floor;
    if (!(t > 0))
        t = floor > 0 ? floor : static_cast<double>(camera.Scale());
    TBounds b = points.At(floor + t);
    if (b.Empty())
        return false;
    double g = growth(b, width, height);
    if (g > 0 && std::isfinite(g)) {
        // u = log t with h = log g(t) > 0 at lowU and < 0 at highU.
        const double infinity = std::numeric_limits<double>::infinity();
        double lowU = -infinity, highU = infinity;
        double u = std::log(t), h = std::log(g);
        double previousU = 0, previousH = 0;
        bool previous = false;
        for (int round = 0; round < Rounds && std::fabs(h) > Settled; ++round) {
            (h > 0 ? lowU : highU) = u;
            // log (t * g(t)) stays on the same side of the answer; the secant is faster.
            double next = u + h;
            if (previous && h != previousH)
                next = u - h * (u - previousU) / (h - previousH);
            if (!(next > lowU && next < highU))
                next = std::isinf(lowU) || std::isinf(highU) ? u + h : (lowU + highU) / 2;
            const TBounds moved = points.At(floor + std::exp(next));
            const double movedG = moved.Empty() ? 0 : growth(moved, width, height);
            if (!(movedG > 0) || !std::isfinite(movedG))
                break;
            previousU = u;
            previousH = h;
            previous = true;
            u = next;
            h = std::log(movedG);
            b = moved;
        }
        t = std::exp(u);
    }
    camera.SetScale(floor + t);
    camera.SetX0(clampedPixel(width / 2.0 - (b.MinX + b.MaxX) / 2));
    camera.SetY0(clampedPixel(height / 2.0 + (b.MinY + b.MaxY) / 2));
    return true;
}
