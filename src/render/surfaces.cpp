#include "render/surfaces.h"

#include "base/block_work.h"
#include "geometry/projection.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace {
// A cell steeper than this (pixels of nearness per pixel) counts as this steep: seen
// edge-on, its slope says nothing of where it lies.
constexpr double MaxSlope = 16;
// How much of a cell's light does not depend on its angle to the eye.
constexpr double Ambient = 0.2;
// The share of the curve's colour that a shaded surface's mesh lines keep.
constexpr double MeshShade = 0.55;
constexpr int BlockPoints = 4096;
}

TDepthProjection::TDepthProjection(const TCamera& camera)
{
    const auto& m = camera.Matrix().M();
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            FM[i][j] = static_cast<double>(m[i][j]);
    for (int i = 0; i < 3; ++i)
        FDepth[i] = static_cast<double>(camera.DepthColumn()[i]);
}

TDepthPoint TDepthProjection::operator()(const TSpacePoint& p) const
{
    const double x = static_cast<double>(p.X), y = static_cast<double>(p.Y),
                 z = static_cast<double>(p.Z);
    const double w = x * FM[0][3] + y * FM[1][3] + z * FM[2][3] + FM[3][3];
    TDepthPoint result;
    if (!(w > 0))
        return result;
    result.X = (x * FM[0][0] + y * FM[1][0] + z * FM[2][0] + FM[3][0]) / w;
    result.Y = (x * FM[0][1] + y * FM[1][1] + z * FM[2][1] + FM[3][1]) / w;
    result.D = (x * FDepth[0] + y * FDepth[1] + z * FDepth[2]) / w;
    result.Valid = std::isfinite(result.X) && std::isfinite(result.Y) && std::isfinite(result.D)
        && std::fabs(result.X) < double(ScreenLimit) && std::fabs(result.Y) < double(ScreenLimit);
    return result;
}

void TDepthProjection::Project(const TSpacePoint* source, int count, int stride,
    std::vector<TDepthPoint>& out, std::vector<TScreenPoint>* screen) const
{
    const int taken = static_cast<int>(TakenCount(count, stride));
    out.resize(static_cast<std::size_t>(taken));
    if (screen)
        screen->resize(static_cast<std::size_t>(taken));
    const auto block = [&](int b) {
        const int end = std::min(taken, (b + 1) * BlockPoints);
        for (int i = b * BlockPoints; i < end; ++i) {
            const TDepthPoint p = (*this)(source[std::int64_t(i) * stride]);
            out[static_cast<std::size_t>(i)] = p;
            if (screen)
                (*screen)[static_cast<std::size_t>(i)] = p.Valid
                    ? TScreenPoint { static_cast<std::int32_t>(std::lrint(p.X)),
                          static_cast<std::int32_t>(std::lrint(p.Y)) }
                    : BehindEye;
        }
    };
    const int blocks = (taken + BlockPoints - 1) / BlockPoints;
    if (taken < ProjectionBlockMinimum || TBlockWork::Helpers() == 0) {
        for (int b = 0; b < blocks; ++b)
            block(b);
        return;
    }
    TBlockWork work(blocks, block);
    work.AwaitAll();
}

namespace {
// The normal of the cell from its two diagonals, in screen pixels and nearness.
struct TNormal {
    double X, Y, Z;
};
inline TNormal normalOf(
    const TDepthPoint& a, const TDepthPoint& b, const TDepthPoint& c, const TDepthPoint& d)
{
    const double ux = c.X - a.X, uy = c.Y - a.Y, ud = c.D - a.D;
    const double vx = b.X - d.X, vy = b.Y - d.Y, vd = b.D - d.D;
    return { uy * vd - ud * vy, ud * vx - ux * vd, ux * vy - uy * vx };
}
// How steeply the nearness of a cell with that normal changes across the screen.
inline double slopeOf(const TNormal& n)
{
    const double across = std::sqrt(n.X * n.X + n.Y * n.Y);
    const double az = std::fabs(n.Z);
    return az * MaxSlope > across ? across / az : MaxSlope;
}
inline double lightOf(const TNormal& n)
{
    const double length = std::sqrt(n.X * n.X + n.Y * n.Y + n.Z * n.Z);
    return length > 0 ? std::fabs(n.Z) / length : 1;
}
}

TCellLook LookOfCell(
    const TDepthPoint& a, const TDepthPoint& b, const TDepthPoint& c, const TDepthPoint& d)
{
    const TNormal n = normalOf(a, b, c, d);
    return { lightOf(n), slopeOf(n) };
}

bool TSurfaceSet::AnyShaded() const
{
    return std::any_of(
        Meshes.begin(), Meshes.end(), [](const TSurfaceMesh& mesh) { return mesh.Shaded; });
}

namespace {
// Each channel times factor (0..1), in 256ths.
TColor scaled(TColor color, double factor)
{
    const TColor f = static_cast<TColor>(std::clamp(factor, 0.0, 1.0) * 256 + 0.5);
    const auto channel = [&](int shift) {
        return ((((color >> shift) & 0xFFu) * f + 128) >> 8 & 0xFFu) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}
}

TColor MeshColor(const TSurfaceMesh& mesh)
{
    return mesh.Shaded ? scaled(mesh.Color, MeshShade) : mesh.Color;
}

TColor LitColor(TColor color, double light)
{
    return scaled(color, Ambient + (1 - Ambient) * std::clamp(light, 0.0, 1.0));
}

bool CollectSurfaces(const TObjectList& objects, const TCamera& camera, TSurfaceSet& set)
{
    std::size_t n = 0;
    const TDepthProjection projection(camera);
    for (int i = 0; i < objects.Count(); ++i) {
        const TCurveRecord curve = objects.Items(i);
        if (!curve.Visible || !IsSurfaceStyle(curve.Style) || curve.Points == nullptr
            || curve.Points->GridRows() == 0 || curve.Points->Count() == 0)
            continue;
        if (set.Meshes.size() <= n)
            set.Meshes.emplace_back();
        TSurfaceMesh& mesh = set.Meshes[n++];
        mesh.Points = curve.Points;
        mesh.Rows = curve.Points->GridRows();
        mesh.Columns = curve.Points->GridColumns();
        mesh.Color = curve.Color;
        mesh.Shaded = curve.Style == csShaded;
        mesh.Thickness = curve.Thickness;
        projection.Project(
            curve.Points->SpacePointData(), curve.Points->Count(), 1, mesh.Depth, &mesh.Screen);
        mesh.Whole = curve.Points->Grid().Index.empty()
            && std::all_of(mesh.Depth.begin(), mesh.Depth.end(),
                [](const TDepthPoint& p) { return p.Valid; });
    }
    set.Meshes.resize(n);
    set.X0 = camera.X0();
    set.Y0 = camera.Y0();
    return n > 0;
}

// ---- the raster's depth buffer

namespace {
// Writes the nearness of the cells into the buffer, and their colour into the raster
// where one wins.
class TCellRaster {
public:
    TCellRaster(std::vector<float>& depth, TRaster& raster, bool paint)
        : FDepth(depth)
        , FRaster(raster)
        , FWidth(raster.Width())
        , FHeight(raster.Height())
        , FPaint(paint)
    {
    }

    void Put(std::int64_t x, std::int64_t y, double value, QRgb pixel)
    {
        if (x < 0 || y < 0 || x >= FWidth || y >= FHeight)
            return;
        float& slot = FDepth[static_cast<std::size_t>(y * FWidth + x)];
        if (value > slot) {
            slot = static_cast<float>(value);
            if (FPaint)
                FRaster.SetPixel(x, y, pixel);
        }
    }

    // A triangle of picture pixels (x, y) with nearness d, less tolerance, every pixel
    // whose centre lies inside or on its edges.
    void Triangle(const std::int64_t (&x)[3], const std::int64_t (&y)[3], const double (&d)[3],
        double tolerance, QRgb pixel)
    {
        const std::int64_t left = std::max<std::int64_t>(0, std::min({ x[0], x[1], x[2] }));
        const std::int64_t right
            = std::min<std::int64_t>(FWidth - 1, std::max({ x[0], x[1], x[2] }));
        const std::int64_t top = std::max<std::int64_t>(0, std::min({ y[0], y[1], y[2] }));
        const std::int64_t bottom
            = std::min<std::int64_t>(FHeight - 1, std::max({ y[0], y[1], y[2] }));
        if (left > right || top > bottom)
            return;
        const double ax = double(x[0]), ay = double(y[0]), bx = double(x[1]), by = double(y[1]),
                     cx = double(x[2]), cy = double(y[2]);
        const double area = (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
        if (area == 0) {
            for (int k = 0; k < 3; ++k)
                Put(x[k], y[k], d[k] - tolerance, pixel);
            return;
        }
        const double sign = area > 0 ? 1 : -1;
        const double inverse = 1 / area;
        for (std::int64_t py = top; py <= bottom; ++py) {
            const double fy = double(py);
            for (std::int64_t px = left; px <= right; ++px) {
                const double fx = double(px);
                const double w0 = (bx - fx) * (cy - fy) - (by - fy) * (cx - fx);
                const double w1 = (cx - fx) * (ay - fy) - (cy - fy) * (ax - fx);
                const double w2 = (ax - fx) * (by - fy) - (ay - fy) * (bx - fx);
                if (w0 * sign >= 0 && w1 * sign >= 0 && w2 * sign >= 0)
                    Put(px, py, (w0 * d[0] + w1 * d[1] + w2 * d[2]) * inverse - tolerance, pixel);
            }
        }
    }

private:
    std::vector<float>& FDepth;
    TRaster& FRaster;
    const std::int64_t FWidth, FHeight;
    const bool FPaint;
};
}

void TDepthBuffer::Build(const TSurfaceSet& set, TRaster& raster)
{
    FDepth.assign(static_cast<std::size_t>(raster.Width()) * raster.Height(),
        -std::numeric_limits<float>::infinity());
    TCellRaster cells(FDepth, raster, set.AnyShaded());
    const QRgb background = ColorToRgb32(set.Background);
    for (const TSurfaceMesh& mesh : set.Meshes) {
        for (int row = 0; row < mesh.CellRows(); ++row)
            for (int column = 0; column < mesh.CellColumns(); ++column) {
                int corner[4];
                if (!mesh.Cell(row, column, corner))
                    continue;
                const TDepthPoint* p[4];
                std::int64_t x[4], y[4];
                double d[4];
                for (int k = 0; k < 4; ++k) {
                    const std::size_t i = static_cast<std::size_t>(corner[k]);
                    p[k] = &mesh.Depth[i];
                    x[k] = std::int64_t(set.X0) + mesh.Screen[i].X;
                    y[k] = std::int64_t(set.Y0) - mesh.Screen[i].Y;
                    d[k] = p[k]->D;
                }
                const TNormal normal = normalOf(*p[0], *p[1], *p[2], *p[3]);
                const double tolerance = 0.75 + slopeOf(normal);
                const QRgb pixel = mesh.Shaded
                    ? ColorToRgb32(LitColor(mesh.Color, lightOf(normal)))
                    : background;
                if (x[0] == x[1] && x[0] == x[2] && x[0] == x[3] && y[0] == y[1] && y[0] == y[2]
                    && y[0] == y[3]) {
                    // A cell within one pixel, as most are in a finely sampled surface.
                    cells.Put(x[0], y[0], std::max({ d[0], d[1], d[2], d[3] }) - tolerance, pixel);
                    continue;
                }
                cells.Triangle({ x[0], x[1], x[2] }, { y[0], y[1], y[2] }, { d[0], d[1], d[2] },
                    tolerance, pixel);
                cells.Triangle({ x[0], x[2], x[3] }, { y[0], y[2], y[3] }, { d[0], d[2], d[3] },
                    tolerance, pixel);
            }
    }
}

// ---- exact cuts for vector back ends

void TOcclusion::Build(const TSurfaceSet& set, int width, int height)
{
    FTriangles.clear();
    // Cells beyond the picture and a pixel around it cannot hide what it shows.
    const double limitLeft = -1, limitTop = -1, limitRight = width + 1.0, limitBottom = height + 1.0;
    double left = limitRight, top = limitBottom, right = limitLeft, bottom = limitTop;
    double sides = 0;
    for (const TSurfaceMesh& mesh : set.Meshes)
        for (int row = 0; row < mesh.CellRows(); ++row)
            for (int column = 0; column < mesh.CellColumns(); ++column) {
                int corner[4];
                if (!mesh.Cell(row, column, corner))
                    continue;
                const TDepthPoint* p[4];
                for (int k = 0; k < 4; ++k)
                    p[k] = &mesh.Depth[static_cast<std::size_t>(corner[k])];
                const TCellLook look = LookOfCell(*p[0], *p[1], *p[2], *p[3]);
                const double tolerance = 0.5 + 0.5 * look.Slope;
                for (const auto& [i, j, k] : { std::array<int, 3> { 0, 1, 2 }, { 0, 2, 3 } }) {
                    TTriangle t;
                    const TDepthPoint* q[3] = { p[i], p[j], p[k] };
                    double x[3], y[3];
                    for (int m = 0; m < 3; ++m) {
                        x[m] = set.X0 + q[m]->X;
                        y[m] = set.Y0 - q[m]->Y;
                        t.X[m] = float(x[m]);
                        t.Y[m] = float(y[m]);
                        t.D[m] = float(q[m]->D);
                    }
                    const double area
                        = (x[1] - x[0]) * (y[2] - y[0]) - (y[1] - y[0]) * (x[2] - x[0]);
                    t.Left = std::min({ t.X[0], t.X[1], t.X[2] });
                    t.Right = std::max({ t.X[0], t.X[1], t.X[2] });
                    t.Top = std::min({ t.Y[0], t.Y[1], t.Y[2] });
                    t.Bottom = std::max({ t.Y[0], t.Y[1], t.Y[2] });
                    if (!(std::fabs(area) > 1e-12) || t.Right < limitLeft || t.Left > limitRight
                        || t.Bottom < limitTop || t.Top > limitBottom)
                        continue;
                    t.Tolerance = float(tolerance);
                    t.Nearest = std::max({ t.D[0], t.D[1], t.D[2] });
                    left = std::min<double>(left, t.Left);
                    right = std::max<double>(right, t.Right);
                    top = std::min<double>(top, t.Top);
                    bottom = std::max<double>(bottom, t.Bottom);
                    sides += std::max(t.Right - t.Left, t.Bottom - t.Top);
                    FTriangles.push_back(t);
                }
            }
    FColumns = FRows = 0;
    FStart.assign(1, 0);
    FItems.clear();
    if (FTriangles.empty())
        return;
    left = std::max(left, limitLeft);
    top = std::max(top, limitTop);
    right = std::min(right, limitRight);
    bottom = std::min(bottom, limitBottom);
    // Buckets about as large as a triangle, within reason.
    FCell = std::clamp(sides / double(FTriangles.size()), 0.25, 64.0);
    FCell = std::max({ FCell, (right - left) / 2048, (bottom - top) / 2048 });
    FLeft = left;
    FTop = top;
    FColumns = std::max(1, int(std::ceil((right - left) / FCell)));
    FRows = std::max(1, int(std::ceil((bottom - top) / FCell)));
    const auto range = [&](double from, double to, double origin, int count, int& first, int& last) {
        first = std::clamp(int(std::floor((from - origin) / FCell)), 0, count - 1);
        last = std::clamp(int(std::floor((to - origin) / FCell)), 0, count - 1);
    };
    std::vector<std::int32_t> counts(static_cast<std::size_t>(FColumns) * FRows + 1, 0);
    const auto forBuckets = [&](const TTriangle& t, auto visit) {
        int c0, c1, r0, r1;
        range(t.Left, t.Right, FLeft, FColumns, c0, c1);
        range(t.Top, t.Bottom, FTop, FRows, r0, r1);
        for (int r = r0; r <= r1; ++r)
            for (int c = c0; c <= c1; ++c)
                visit(std::size_t(r) * FColumns + c);
    };
    for (const TTriangle& t : FTriangles)
        forBuckets(t, [&](std::size_t b) { ++counts[b + 1]; });
    for (std::size_t b = 1; b < counts.size(); ++b)
        counts[b] += counts[b - 1];
    FStart = counts;
    FItems.resize(static_cast<std::size_t>(counts.back()));
    for (std::size_t i = 0; i < FTriangles.size(); ++i)
        forBuckets(FTriangles[i], [&](std::size_t b) { FItems[std::size_t(counts[b]++)] = std::int32_t(i); });
    FSeen.assign(FTriangles.size(), 0);
    FQuery = 0;
}

void TOcclusion::VisibleParts(double ax, double ay, double ad, double bx, double by, double bd,
    std::vector<std::pair<double, double>>& parts)
{
    parts.clear();
    FHidden.clear();
    if (FColumns > 0) {
        if (++FQuery == 0) {
            std::fill(FSeen.begin(), FSeen.end(), 0);
            FQuery = 1;
        }
        const double farthest = std::min(ad, bd);
        const double segLeft = std::min(ax, bx), segRight = std::max(ax, bx);
        const double segTop = std::min(ay, by), segBottom = std::max(ay, by);
        const auto test = [&](const TTriangle& t) {
            if (t.Nearest - t.Tolerance <= farthest || t.Right < segLeft || t.Left > segRight
                || t.Bottom < segTop || t.Top > segBottom)
                return;
            const double x[3] = { t.X[0], t.X[1], t.X[2] }, y[3] = { t.Y[0], t.Y[1], t.Y[2] };
            const double area = (x[1] - x[0]) * (y[2] - y[0]) - (y[1] - y[0]) * (x[2] - x[0]);
            const double sign = area > 0 ? 1 : -1;
            double lo = 0, hi = 1;
            // The barycentric weights at a and b: signed areas against each edge.
            double wa[3], wb[3];
            for (int k = 0; k < 3; ++k) {
                const int i = (k + 1) % 3, j = (k + 2) % 3;
                const double ex = x[j] - x[i], ey = y[j] - y[i];
                wa[k] = (ex * (ay - y[i]) - ey * (ax - x[i]));
                wb[k] = (ex * (by - y[i]) - ey * (bx - x[i]));
                // Inside or on the edge, within a millionth of a pixel.
                const double eps = -1e-6 * std::sqrt(ex * ex + ey * ey);
                const double ea = wa[k] * sign, eb = wb[k] * sign;
                if (ea < eps && eb < eps)
                    return;
                if (ea < eps)
                    lo = std::max(lo, (eps - ea) / (eb - ea));
                else if (eb < eps)
                    hi = std::min(hi, (ea - eps) / (ea - eb));
            }
            if (lo > hi)
                return;
            // How far the triangle's plane lies in front of the line, less its tolerance.
            const double da = (wa[0] * t.D[0] + wa[1] * t.D[1] + wa[2] * t.D[2]) / area;
            const double db = (wb[0] * t.D[0] + wb[1] * t.D[1] + wb[2] * t.D[2]) / area;
            const double g0 = da - t.Tolerance - ad, g1 = db - t.Tolerance - bd;
            const double glo = g0 + (g1 - g0) * lo, ghi = g0 + (g1 - g0) * hi;
            if (glo <= 0 && ghi <= 0)
                return;
            if (glo <= 0)
                lo = lo + (hi - lo) * (-glo / (ghi - glo));
            else if (ghi <= 0)
                hi = lo + (hi - lo) * (glo / (glo - ghi));
            FHidden.emplace_back(lo, hi);
        };
        // The buckets the line passes, column by column of buckets.
        const auto column = [&](double x) {
            return std::clamp(int(std::floor((x - FLeft) / FCell)), 0, FColumns - 1);
        };
        const auto row = [&](double y) {
            return std::clamp(int(std::floor((y - FTop) / FCell)), 0, FRows - 1);
        };
        const int c0 = column(segLeft), c1 = column(segRight);
        const bool inRange = segRight >= FLeft && segLeft <= FLeft + FColumns * FCell
            && segBottom >= FTop && segTop <= FTop + FRows * FCell;
        for (int c = c0; inRange && c <= c1; ++c) {
            // The line's y over this column of buckets.
            double from = segTop, to = segBottom;
            if (bx != ax) {
                const double x1 = std::max(segLeft, FLeft + c * FCell);
                const double x2 = std::min(segRight, FLeft + (c + 1) * FCell);
                const double y1 = ay + (by - ay) * ((x1 - ax) / (bx - ax));
                const double y2 = ay + (by - ay) * ((x2 - ax) / (bx - ax));
                from = std::max(segTop, std::min(y1, y2));
                to = std::min(segBottom, std::max(y1, y2));
            }
            for (int r = row(from), last = row(to); r <= last; ++r) {
                const std::size_t b = std::size_t(r) * FColumns + c;
                for (std::int32_t n = FStart[b]; n < FStart[b + 1]; ++n) {
                    const std::int32_t i = FItems[std::size_t(n)];
                    if (FSeen[std::size_t(i)] == FQuery)
                        continue;
                    FSeen[std::size_t(i)] = FQuery;
                    test(FTriangles[std::size_t(i)]);
                }
            }
        }
    }
    // The complement of the hidden parts; pieces shorter than a hundredth of a pixel
    // (between two cells that meet) are left out.
    std::sort(FHidden.begin(), FHidden.end());
    const double length = std::sqrt((bx - ax) * (bx - ax) + (by - ay) * (by - ay));
    const double least = length > 0 ? 0.01 / length : 0;
    double at = 0;
    for (const auto& [lo, hi] : FHidden) {
        if (lo - at > least)
            parts.emplace_back(at, lo);
        at = std::max(at, hi);
    }
    if (at == 0 && FHidden.empty())
        parts.emplace_back(0, 1);
    else if (1 - at > least)
        parts.emplace_back(at, 1);
}
