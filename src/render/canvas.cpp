#include "render/canvas.h"

#include "render/wide_line.h"

#include <QGuiApplication>
#include <QImage>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
QPen solidPen(TColor color, int width)
{
    QPen pen(ColorToQColor(color));
    pen.setWidth(width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    return pen;
}
}

TPainterCanvas::TPainterCanvas(QPainter& painter, int width, int height, bool smooth)
    : FPainter(painter)
    , FWidth(width)
    , FHeight(height)
{
    FPainter.setRenderHint(QPainter::Antialiasing, smooth);
}

void TPainterCanvas::Fill(TColor color)
{
    FPainter.fillRect(QRect(0, 0, FWidth, FHeight), ColorToQColor(color));
}

void TPainterCanvas::Line(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TColor color, int width)
{
    FPainter.setPen(solidPen(color, std::max(width, 1)));
    TWideLines(FPainter, FWidth, FHeight, std::max(width, 1)).Line(x1, y1, x2, y2);
}

void TPainterCanvas::Polyline(const TScreenPoint* points, int count, std::int32_t x0,
    std::int32_t y0, TColor color, int width)
{
    if (FInCurve) {
        FCurvePen = solidPen(color, std::max(width, 1));
        FCurveFilled = false;
        TWideLines(FPainter, FWidth, FHeight, std::max(width, 1), &FCurve)
            .Polyline(points, count, x0, y0);
        return;
    }
    FPainter.setPen(solidPen(color, std::max(width, 1)));
    TWideLines(FPainter, FWidth, FHeight, std::max(width, 1)).Polyline(points, count, x0, y0);
}

void TPainterCanvas::Squares(
    const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0, TColor color)
{
    const QColor fill = ColorToQColor(color);
    for (int i = 0; i < count; ++i) {
        const std::int64_t left = std::int64_t(x0) + points[i].X - 1;
        const std::int64_t top = std::int64_t(y0) - points[i].Y - 1;
        // Squares off the device are left out before they reach the painter's int coordinates.
        if (left <= -3 || left >= FWidth || top <= -3 || top >= FHeight)
            continue;
        if (FInCurve)
            FCurve.addRect(QRectF(double(left), double(top), 3, 3));
        else
            FPainter.fillRect(QRect(int(left), int(top), 3, 3), fill);
    }
    if (FInCurve) {
        FCurveFill = fill;
        FCurveFilled = true;
    }
}

void TPainterCanvas::BeginCurve()
{
    FInCurve = true;
    FCurve = QPainterPath();
    // Squares that overlap fill their union.
    FCurve.setFillRule(Qt::WindingFill);
}

void TPainterCanvas::EndCurve()
{
    FInCurve = false;
    if (FCurve.isEmpty())
        return;
    if (FCurveFilled)
        FPainter.fillPath(FCurve, FCurveFill);
    else
        FPainter.strokePath(FCurve, FCurvePen);
    FCurve = QPainterPath();
}

void TPainterCanvas::Text(int left, int top, const QString& text, TColor color)
{
    FPainter.setPen(ColorToQColor(color));
    FPainter.setFont(QGuiApplication::font());
    // Wide enough for a legend line; a label of one letter sits as in any box.
    FPainter.drawText(
        QRect(left, top, std::max(64, FWidth - left), 64), Qt::AlignLeft | Qt::AlignTop, text);
}

TRasterCanvas::TRasterCanvas(QImage& image, bool smooth, TDepthBuffer* depth)
    : FRaster(image)
    , FDepth(depth ? *depth : FOwnDepth)
    , FSmooth(smooth)
    , FPainter(&image)
    , FWide(FPainter, image.width(), image.height(), smooth)
{
}

void TRasterCanvas::Fill(TColor color)
{
    FRaster.FillRect(0, 0, FRaster.Width(), FRaster.Height(), ColorToRgb32(color));
}

void TRasterCanvas::Line(
    std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TColor color, int width)
{
    if (width <= 1 && FSmooth)
        FRaster.DrawSmoothLine(x1, y1, x2, y2, ColorToRgb32(color));
    else if (width <= 1)
        FRaster.DrawLine(x1, y1, x2, y2, ColorToRgb32(color));
    else
        FWide.Line(x1, y1, x2, y2, color, width);
}

void TRasterCanvas::Polyline(const TScreenPoint* points, int count, std::int32_t x0,
    std::int32_t y0, TColor color, int width)
{
    if (width <= 1 && FSmooth)
        FRaster.DrawSmoothPolyline(points, count, x0, y0, ColorToRgb32(color));
    else if (width <= 1)
        FRaster.DrawPolyline(points, count, x0, y0, ColorToRgb32(color));
    else
        FWide.Polyline(points, count, x0, y0, color, width);
}

void TRasterCanvas::Squares(
    const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0, TColor color)
{
    FRaster.DrawSquares(points, count, x0, y0, ColorToRgb32(color));
}

void TRasterCanvas::Text(int left, int top, const QString& text, TColor color)
{
    FWide.Text(left, top, text, color);
}

// ---- hidden lines

namespace {
// The part of the line from a to b inside the box grown by margin (Liang and Barsky), so that
// the painter never sees coordinates far outside its device; false when none is.
bool clipToBox(QPointF& a, QPointF& b, double width, double height, double margin)
{
    double lo = 0, hi = 1;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { a.x() + margin, width + margin - a.x(), a.y() + margin,
        height + margin - a.y() };
    for (int k = 0; k < 4; ++k) {
        if (p[k] == 0) {
            if (q[k] < 0)
                return false;
            continue;
        }
        const double t = q[k] / p[k];
        if (p[k] < 0)
            lo = std::max(lo, t);
        else
            hi = std::min(hi, t);
    }
    if (lo > hi)
        return false;
    const QPointF from = a;
    a = from + (b - from) * lo;
    b = from + (b - from) * hi;
    return true;
}

// Whether a screen point and its depth point can be drawn and tested.
bool testable(const TScreenPoint& p, const TDepthPoint& d) { return Drawable(p) && d.Valid; }
}

void TPainterCanvas::BeginSurfaces(const TSurfaceSet& set)
{
    if (!FOcclusion)
        FOcclusion = std::make_unique<TOcclusion>();
    FOcclusion->Build(set, FWidth, FHeight);
    FHiding = true;
    if (set.AnyShaded())
        fillCells(set);
}

void TPainterCanvas::EndSurfaces() { FHiding = false; }

void TPainterCanvas::fillCells(const TSurfaceSet& set)
{
    struct TCell {
        double Nearness;
        QPolygonF Corners;
        TColor Color;
    };
    std::vector<TCell> cells;
    for (const TSurfaceMesh& mesh : set.Meshes)
        for (int row = 0; row < mesh.CellRows(); ++row)
            for (int column = 0; column < mesh.CellColumns(); ++column) {
                int corner[4];
                if (!mesh.Cell(row, column, corner))
                    continue;
                const TDepthPoint* p[4];
                TCell cell { 0, QPolygonF(4), 0 };
                bool near = true;
                for (int k = 0; k < 4; ++k) {
                    p[k] = &mesh.Depth[static_cast<std::size_t>(corner[k])];
                    cell.Nearness += p[k]->D / 4;
                    cell.Corners[k] = QPointF(set.X0 + p[k]->X, set.Y0 - p[k]->Y);
                    near = near && std::fabs(cell.Corners[k].x()) < 1e6
                        && std::fabs(cell.Corners[k].y()) < 1e6;
                }
                if (!near)
                    continue;
                cell.Color = mesh.Shaded
                    ? LitColor(mesh.Color, LookOfCell(*p[0], *p[1], *p[2], *p[3]).Light)
                    : set.Background;
                cells.push_back(std::move(cell));
            }
    std::stable_sort(cells.begin(), cells.end(),
        [](const TCell& a, const TCell& b) { return a.Nearness < b.Nearness; });
    FPainter.save();
    for (const TCell& cell : cells) {
        const QColor color = ColorToQColor(cell.Color);
        // A thin edge in the cell's own colour closes the seams between neighbours.
        QPen pen(color, 0.5);
        pen.setJoinStyle(Qt::MiterJoin);
        FPainter.setPen(pen);
        FPainter.setBrush(color);
        FPainter.drawPolygon(cell.Corners);
    }
    FPainter.restore();
}

void TPainterCanvas::TestedPolyline(const TScreenPoint* points, const TDepthPoint* depth,
    int count, std::int32_t x0, std::int32_t y0, TColor color, int width)
{
    if (!FHiding) {
        Polyline(points, count, x0, y0, color, width);
        return;
    }
    const QPen pen = solidPen(color, std::max(width, 1));
    QPainterPath own;
    QPainterPath& path = FInCurve ? FCurve : own;
    const double margin = std::max(width, 1) + 2;
    // Pieces that meet are joined into one run of the path.
    bool joined = false;
    QPointF last;
    for (int i = 1; i < count; ++i) {
        const TDepthPoint& a = depth[i - 1];
        const TDepthPoint& b = depth[i];
        if (!testable(points[i - 1], a) || !testable(points[i], b)) {
            joined = false;
            continue;
        }
        const QPointF pa(x0 + a.X, y0 - a.Y), pb(x0 + b.X, y0 - b.Y);
        FOcclusion->VisibleParts(pa.x(), pa.y(), a.D, pb.x(), pb.y(), b.D, FParts);
        for (const auto& [t0, t1] : FParts) {
            QPointF from = pa + (pb - pa) * t0, to = pa + (pb - pa) * t1;
            if (!clipToBox(from, to, FWidth, FHeight, margin)) {
                joined = false;
                continue;
            }
            if (!joined || from != last)
                path.moveTo(from);
            path.lineTo(to);
            last = to;
            joined = t1 == 1 && to == pb;
        }
        if (FParts.empty() || FParts.back().second != 1)
            joined = false;
    }
    if (FInCurve) {
        FCurvePen = pen;
        FCurveFilled = false;
    } else if (!own.isEmpty()) {
        FPainter.strokePath(own, pen);
    }
}

void TPainterCanvas::TestedSquares(const TScreenPoint* points, const TDepthPoint* depth,
    int count, std::int32_t x0, std::int32_t y0, TColor color)
{
    if (!FHiding) {
        Squares(points, count, x0, y0, color);
        return;
    }
    for (int i = 0; i < count; ++i) {
        if (!testable(points[i], depth[i]))
            continue;
        const double x = x0 + depth[i].X, y = y0 - depth[i].Y;
        FOcclusion->VisibleParts(x, y, depth[i].D, x, y, depth[i].D, FParts);
        if (!FParts.empty())
            Squares(points + i, 1, x0, y0, color);
    }
}

void TRasterCanvas::BeginSurfaces(const TSurfaceSet& set) { FDepth.Build(set, FRaster, FBands); }

void TRasterCanvas::EndSurfaces() { FDepth.Clear(); }

void TRasterCanvas::TestedPolyline(const TScreenPoint* points, const TDepthPoint* depth, int count,
    std::int32_t x0, std::int32_t y0, TColor color, int width)
{
    if (FDepth.Empty()) {
        Polyline(points, count, x0, y0, color, width);
        return;
    }
    bool joined = false;
    for (int i = 1; i < count; ++i) {
        if (!testable(points[i - 1], depth[i - 1]) || !testable(points[i], depth[i])) {
            joined = false;
            continue;
        }
        testedLine(points[i - 1], depth[i - 1], points[i], depth[i], x0, y0, color, width, !joined);
        joined = true;
    }
}

void TRasterCanvas::TestedSegments(const TScreenPoint* a, const TDepthPoint* da,
    const TScreenPoint* b, const TDepthPoint* db, int count, std::int32_t x0, std::int32_t y0,
    TColor color, int width)
{
    if (FDepth.Empty()) {
        TCanvas::TestedSegments(a, da, b, db, count, x0, y0, color, width);
        return;
    }
    for (int i = 0; i < count; ++i)
        if (testable(a[i], da[i]) && testable(b[i], db[i]))
            testedLine(a[i], da[i], b[i], db[i], x0, y0, color, width, true);
}

void TRasterCanvas::testedLine(const TScreenPoint& a, const TDepthPoint& da, const TScreenPoint& b,
    const TDepthPoint& db, std::int32_t x0, std::int32_t y0, TColor color, int width,
    bool testFirst)
{
    const float* buffer = FDepth.Data();
    const std::int64_t h = FRaster.Height();
    const std::int64_t ax = std::int64_t(x0) + a.X, ay = std::int64_t(y0) - a.Y;
    const std::int64_t bx = std::int64_t(x0) + b.X, by = std::int64_t(y0) - b.Y;
    if (width <= 1 && !FSmooth) {
        thinTestedLine(a, da.D, b, db.D, x0, y0, ColorToRgb32(color), testFirst, 0, h);
        return;
    }
    FRuns.clear();
    FRaster.VisibleRuns(ax, ay, da.D, bx, by, db.D, buffer, FRuns);
    for (const TRaster::TPixelRun& run : FRuns)
        Line(run.X1, run.Y1, run.X2, run.Y2, color, width);
}

void TRasterCanvas::thinTestedLine(const TScreenPoint& a, double da, const TScreenPoint& b,
    double db, std::int32_t x0, std::int32_t y0, QRgb rgb, bool testFirst, std::int64_t top,
    std::int64_t bottom)
{
    const float* buffer = FDepth.Data();
    const std::int64_t w = FRaster.Width();
    const std::int64_t ax = std::int64_t(x0) + a.X, ay = std::int64_t(y0) - a.Y;
    const std::int64_t bx = std::int64_t(x0) + b.X, by = std::int64_t(y0) - b.Y;
    const auto put = [&](std::int64_t x, std::int64_t y, double d) {
        if (static_cast<std::uint64_t>(x) < static_cast<std::uint64_t>(w) && y >= top
            && y < bottom && d >= buffer[y * w + x])
            FRaster.SetPixel(x, y, rgb);
    };
    if (static_cast<std::uint64_t>(bx - ax + 1) <= 2 && static_cast<std::uint64_t>(by - ay + 1) <= 2) {
        // A step to a neighbour or none: the two end pixels are the line.
        if (testFirst)
            put(ax, ay, da);
        put(bx, by, db);
    } else {
        const TPixelBox filled = FDepth.FilledBox();
        FRaster.DrawTestedLine(ax, ay, da, bx, by, db, rgb, buffer, top, bottom, &filled);
    }
}

namespace {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define VELMO_MESH_AVX2 1
#define VELMO_FOUR __attribute__((target("avx2"), always_inline)) inline
// Lanes whose points of u and v lie more than a pixel apart in X or in Y (all ones).
VELMO_FOUR __m256i apartFour(__m256i u, __m256i v)
{
    const __m256i step = _mm256_sub_epi32(v, u);
    return _mm256_or_si256(_mm256_cmpgt_epi32(step, _mm256_set1_epi32(1)),
        _mm256_cmpgt_epi32(_mm256_set1_epi32(-1), step));
}
#undef VELMO_FOUR

// What TestedMesh does at four points a[0..3] of a row of the mesh (not its last row when
// the grid is open there, nor at its last point), with b[0..3] the points below them:
// Simple has the bits of the points whose lines along the row (to a[k + 1]) and down (to
// b[k]) both join neighbouring pixels or one, where all there is to do is the point's own
// pixel; Set those of them whose pixel SetTestedPixel would set now on the rows
// top..bottom - 1 (not the colour yet, and the point at least as near as its slot). The
// points project (X and Y within 2^30), so that a pixel x0 + X or y0 - Y that does not fit
// in 32 bits wraps to one off the picture; the index of every slot and pixel of the picture
// is below 2^31. A mesh's lines set no colour but its own and change no slot, so that what
// is told holds while they are drawn.
struct TMeshFour {
    int Simple, Set;
};
__attribute__((target("avx2"))) TMeshFour meshFour(const TScreenPoint* a, const TScreenPoint* b,
    const double* nearness, std::int32_t x0, std::int32_t y0, const QRgb* pixels,
    std::int32_t stride, const float* depth, std::int32_t width, std::int32_t top,
    std::int32_t bottom, QRgb color)
{
    static_assert(sizeof(TScreenPoint) == 2 * sizeof(std::int32_t));
    const __m256i p = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a));
    const __m256i next = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(a + 1));
    const __m256i below = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(b));
    const __m256i apart = _mm256_or_si256(apartFour(p, next), apartFour(p, below));
    const int simple = _mm256_movemask_pd(
        _mm256_castsi256_pd(_mm256_cmpeq_epi64(apart, _mm256_setzero_si256())));
    if (simple == 0)
        return { 0, 0 };
    const TFourPixels at = FourPixels(p, x0, y0, width, top, bottom);
    const __m128i on = at.On;
    const __m128i slot = _mm_add_epi32(_mm_mullo_epi32(at.Y, _mm_set1_epi32(width)), at.X);
    const __m128i pixel = _mm_add_epi32(_mm_mullo_epi32(at.Y, _mm_set1_epi32(stride)), at.X);
    const __m128 held = _mm_mask_i32gather_ps(_mm_setzero_ps(), depth, slot, _mm_castsi128_ps(on), 4);
    const __m128i colors = _mm_mask_i32gather_epi32(_mm_set1_epi32(std::int32_t(color)),
        reinterpret_cast<const int*>(pixels), pixel, on, 4);
    // Lanes of four 32-bit values widened to 64 bits each, as the point lanes are.
    const __m256i fresh = _mm256_cvtepi32_epi64(
        _mm_andnot_si128(_mm_cmpeq_epi32(colors, _mm_set1_epi32(std::int32_t(color))), on));
    const __m256d atLeast
        = _mm256_cmp_pd(_mm256_loadu_pd(nearness), _mm256_cvtps_pd(held), _CMP_GE_OQ);
    const int set = _mm256_movemask_pd(_mm256_and_pd(atLeast, _mm256_castsi256_pd(fresh)));
    return { simple, set & simple };
}
#endif
}

bool TRasterCanvas::TestedMesh(
    const TSurfaceMesh& mesh, std::int32_t x0, std::int32_t y0, TColor color, int width)
{
    if (width > 1 || FSmooth || !mesh.Whole || mesh.Rows < 2 || mesh.Columns < 2)
        return false;
    const QRgb rgb = ColorToRgb32(color);
    const TScreenPoint* screen = mesh.Screen.data();
    const double* nearness = mesh.Nearness.data();
    const int columns = mesh.Columns, lastRow = mesh.CellRows() - 1;
    const bool openRows = !mesh.Points->Grid().ClosesRows;
    const bool openColumns = !mesh.Points->Grid().ClosesColumns;
    const float* buffer = FDepth.Data();
#ifdef VELMO_MESH_AVX2
    static const bool avx2 = __builtin_cpu_supports("avx2");
    const QRgb* pixels = FRaster.Bits();
    const std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    const std::int32_t pictureWidth = FRaster.Width(), stride = std::int32_t(std::min(FRaster.Stride(), limit));
    const bool fours = avx2 && std::int64_t(pictureWidth) * FRaster.Height() <= limit
        && FRaster.Stride() * FRaster.Height() <= limit;
#endif
    // Each run of cells draws the lines along its cells' top edges (and the bottom ones on
    // the last row of a grid open there) and down their left edges (and the right one at
    // the end of a row open there): every line of the mesh once, within the rows the
    // run's corners span. A line between neighbouring pixels tests its two end pixels,
    // each with its point's own nearness, as the longer ones test their first; so a point
    // from which a line goes down is tested by that line, and the lines along its row and
    // the one coming down to it need not test it again.
    return FDepth.InBands(mesh,
        [&](const TDepthBuffer::TBandRun& run) {
            // Lines change nothing where every pixel of their box holds the colour already
            // or a surface in front of them.
            if (run.Boxed
                && FRaster.Holds(run.Left, run.BoxTop, run.Right, run.BoxBottom, rgb, buffer,
                    run.Nearest))
                return;
            const std::int64_t top = run.Top, bottom = run.Bottom;
            const int row = run.Row, first = run.First, end = run.End;
            const int from = row * columns, to = ((row + 1) % mesh.Rows) * columns;
            const auto put = [&](std::int64_t x, std::int64_t y, double d) {
                FRaster.SetTestedPixel(x, y, d, rgb, buffer, top, bottom);
            };
            // thinTestedLine written out for the many short lines of a fine mesh.
            const auto line = [&](int i, int j, bool testFirst, bool testLast) {
                const std::int64_t ax = std::int64_t(x0) + screen[i].X, ay = std::int64_t(y0) - screen[i].Y;
                const std::int64_t bx = std::int64_t(x0) + screen[j].X, by = std::int64_t(y0) - screen[j].Y;
                if (static_cast<std::uint64_t>(bx - ax + 1) <= 2
                    && static_cast<std::uint64_t>(by - ay + 1) <= 2) {
                    if (testFirst)
                        put(ax, ay, nearness[i]);
                    if (testLast)
                        put(bx, by, nearness[j]);
                } else {
                    FRaster.DrawTestedLine(ax, ay, nearness[i], bx, by, nearness[j], rgb, buffer, top, bottom);
                }
            };
            // The last row of a grid open there has no lines going down from it.
            const bool lastOpen = row == lastRow && openRows;
            // Whether the line from point i to point j joins neighbouring pixels or one.
            const auto near = [&](int i, int j) {
                return static_cast<std::uint64_t>(std::int64_t(screen[j].X) - screen[i].X + 1) <= 2
                    && static_cast<std::uint64_t>(std::int64_t(screen[j].Y) - screen[i].Y + 1) <= 2;
            };
            const auto drawColumn = [&](int column) {
                const int next = column + 1 == columns ? 0 : column + 1;
                // The line along the row tests neither end when short.
                if (!near(from + column, from + next))
                    line(from + column, from + next, false, false);
                if (lastOpen) {
                    // Along a row, each line but the first and the closing one starts on
                    // the pixel the line before ended on, which that one tested.
                    line(to + column, to + next, column == 0 || next == 0, true);
                }
                if (!lastOpen && near(from + column, to + column))
                    put(std::int64_t(x0) + screen[from + column].X,
                        std::int64_t(y0) - screen[from + column].Y, nearness[from + column]);
                else
                    line(from + column, to + column, true, lastOpen);
            };
            int column = first;
#ifdef VELMO_MESH_AVX2
            // Four points at a time: a point whose lines are short sets its own pixel
            // alone, the others go their way.
            if (fours && !lastOpen)
                for (; column + 4 <= end && column + 4 < columns; column += 4) {
                    const TMeshFour four = meshFour(screen + from + column, screen + to + column,
                        nearness + from + column, x0, y0, pixels, stride, buffer, pictureWidth,
                        std::int32_t(top), std::int32_t(bottom), rgb);
                    for (int set = four.Set; set != 0; set &= set - 1) {
                        const TScreenPoint& p = screen[from + column + __builtin_ctz(unsigned(set))];
                        FRaster.SetPixel(std::int64_t(x0) + p.X, std::int64_t(y0) - p.Y, rgb);
                    }
                    for (int other = ~four.Simple & 0xf; other != 0; other &= other - 1)
                        drawColumn(column + __builtin_ctz(unsigned(other)));
                }
#endif
            for (; column < end; ++column)
                drawColumn(column);
            if (end == mesh.CellColumns() && openColumns)
                line(from + columns - 1, to + columns - 1, true, lastOpen);
        });
}

void TRasterCanvas::TestedSquares(const TScreenPoint* points, const TDepthPoint* depth, int count,
    std::int32_t x0, std::int32_t y0, TColor color)
{
    if (FDepth.Empty()) {
        Squares(points, count, x0, y0, color);
        return;
    }
    const float* buffer = FDepth.Data();
    const std::int64_t w = FRaster.Width(), h = FRaster.Height();
    for (int i = 0; i < count; ++i) {
        if (!testable(points[i], depth[i]))
            continue;
        const std::int64_t x = std::int64_t(x0) + points[i].X;
        const std::int64_t y = std::int64_t(y0) - points[i].Y;
        if (x >= 0 && y >= 0 && x < w && y < h && depth[i].D < buffer[y * w + x])
            continue;
        FRaster.DrawSquares(points + i, 1, x0, y0, ColorToRgb32(color));
    }
}
