#include "render/render_scene.h"

#include "geometry/projection.h"
#include "render/axis_numbers.h"
#include "render/canvas.h"

#include <QFontMetrics>
#include <QGuiApplication>

#include <cmath>

namespace {
constexpr TColor AxisColor = 255; // the red half-axes
constexpr int AxisPenWidth = 2;
const char* const LAxisLabels[] = { "x", "y", "z" };
// Where the little axis ending at end writes its label.
QPoint lAxisLabelAt(const QPoint& end) { return end - QPoint(4, 6); }

// Calls draw(first, count) for each longest run of drawable points among points[0] ..
// points[count - 1]: a point at or behind the eye ends a run and belongs to none.
template <typename Draw>
void forEachDrawableRun(const TScreenPoint* points, int count, Draw draw)
{
    int start = 0;
    for (int i = 0; i < count; ++i)
        if (!Drawable(points[i])) [[unlikely]] {
            if (i > start)
                draw(points + start, i - start);
            start = i + 1;
        }
    if (count > start)
        draw(points + start, count - start);
}

// Whether the curve is drawn as the mesh of its grid.
bool isMesh(const TCurveRecord& curve)
{
    return IsSurfaceStyle(curve.Style) && curve.Points != nullptr && curve.Points->GridRows() > 0;
}

// The drawable runs of a list whose screen points come block by block, drawn piece by
// piece: each piece of a run, once it has two points or more, starts again from the
// last point of the piece before, so that the pieces give the very lines of the whole
// run, and a run of one point draws nothing, as a whole one would.
class TLinePieces {
public:
    // Takes points[from] .. points[end - 1], the next ones of the list; draw(first,
    // count) draws a piece.
    template <typename Draw>
    void Take(const TScreenPoint* points, int from, int end, Draw draw)
    {
        for (int i = from; i < end; ++i) {
            if (Drawable(points[i])) [[likely]] {
                if (FAnchor < 0)
                    FAnchor = i;
            } else if (FAnchor >= 0) {
                if (i - FAnchor >= 2)
                    draw(FAnchor, i - FAnchor);
                FAnchor = -1;
            }
        }
        if (FAnchor >= 0 && end - FAnchor >= 2) {
            draw(FAnchor, end - FAnchor);
            FAnchor = end - 1;
        }
    }

private:
    int FAnchor = -1; // where the undrawn rest of the current run starts
};
}

void TRenderScene::Project(const TCamera& camera)
{
    for (int i = 1; i <= 3; ++i)
        if (FPlanes.Items(i).Visible())
            camera.Project(FPlanes.Items(i).Grid());
    for (int i = 0; i < FObjects.Count(); ++i) {
        const TCurveRecord curve = FObjects.Items(i);
        if (curve.Visible && curve.Points != nullptr)
            camera.Project(*curve.Points);
    }
}

void TRenderScene::Draw(const TCamera& camera, TCanvas& canvas, std::array<QPoint, 3>* axisEnds,
    const std::vector<QRect>& keepClear) const
{
    drawAll(camera, canvas, axisEnds, keepClear, nullptr);
}

void TRenderScene::ProjectAndDraw(const TCamera& camera, TCanvas& canvas,
    std::array<QPoint, 3>* axisEnds, const std::vector<QRect>& keepClear)
{
    for (int i = 1; i <= 3; ++i)
        if (FPlanes.Items(i).Visible())
            camera.Project(FPlanes.Items(i).Grid());
    // Started in drawing order, which is the order the helpers serve them in.
    std::vector<std::unique_ptr<TPointsProjection>> projections(
        static_cast<std::size_t>(FObjects.Count()));
    for (int i = 0; i < FObjects.Count(); ++i) {
        const TCurveRecord curve = FObjects.Items(i);
        // A surface is drawn from the depth points of its grid, but its screen points are
        // kept up to date for a later drawing in another style without projection: where
        // the gathering of the surfaces can, it gives them too.
        if (curve.Visible && curve.Points != nullptr && !GathersScreenPoints(curve, camera))
            projections[static_cast<std::size_t>(i)] = curve.Points->StartProject(camera.Matrix());
    }
    drawAll(camera, canvas, axisEnds, keepClear, &projections);
}

void TRenderScene::drawAll(const TCamera& camera, TCanvas& canvas,
    std::array<QPoint, 3>* axisEnds, const std::vector<QRect>& keepClear,
    std::vector<std::unique_ptr<TPointsProjection>>* projections) const
{
    canvas.Fill(FBrushColor);
    // Surfaces hide what lies behind them: the canvas learns their cells before the
    // first line that may go behind one.
    const TSurfaceSet* surfaces = nullptr;
    if (CollectSurfaces(FObjects, camera, FSurfaces, projections != nullptr)) {
        FSurfaces.Background = FBrushColor;
        surfaces = &FSurfaces;
        canvas.BeginSurfaces(FSurfaces);
    }
    std::vector<QRect> labels = keepClear;
    if (FLAxisesVisible) {
        std::array<QPoint, 3> ends;
        drawLittleAxes(camera, canvas, ends);
        if (axisEnds)
            *axisEnds = ends;
        if (FAxisNumbers) {
            const QFontMetrics metrics(QGuiApplication::font());
            for (int i = 0; i < 3; ++i)
                labels.push_back(QRect(lAxisLabelAt(ends[i]),
                    QSize(metrics.horizontalAdvance(QString::fromLatin1(LAxisLabels[i])),
                        metrics.height())));
        }
    }
    drawPlanes(camera, canvas, surfaces != nullptr);
    if (FAxisNumbers)
        drawAxisNumbers(camera, canvas, std::move(labels));
    drawCurves(camera, canvas, projections, surfaces);
    if (surfaces)
        canvas.EndSurfaces();
    drawMarks(camera, canvas);
}

void TRenderScene::drawMarks(const TCamera& camera, TCanvas& canvas) const
{
    if (FMarks.empty())
        return;
    TGoruntuMatrisi points;
    for (const TSceneMark& mark : FMarks)
        points.Add(mark.Point);
    camera.Project(points);
    const TScreenPoint* screen = points.ScreenPointData();
    // Each shape as lines around the point's pixel, y downwards.
    static const QPoint circle[] = { { 4, 0 }, { 3, 2 }, { 2, 3 }, { 0, 4 }, { -2, 3 }, { -3, 2 },
        { -4, 0 }, { -3, -2 }, { -2, -3 }, { 0, -4 }, { 2, -3 }, { 3, -2 }, { 4, 0 } };
    static const QPoint up[] = { { 0, -5 }, { 5, 4 }, { -5, 4 }, { 0, -5 } };
    static const QPoint down[] = { { 0, 5 }, { 5, -4 }, { -5, -4 }, { 0, 5 } };
    static const QPoint cross[] = { { -4, -4 }, { 4, 4 }, { -4, 4 }, { 4, -4 } };
    for (int i = 0; i < points.ProjectedCount() && i < static_cast<int>(FMarks.size()); ++i) {
        if (!Drawable(screen[i]))
            continue;
        const std::int64_t x = std::int64_t(camera.X0()) + screen[i].X;
        const std::int64_t y = std::int64_t(camera.Y0()) - screen[i].Y;
        const TSceneMark& mark = FMarks[static_cast<std::size_t>(i)];
        const auto path = [&](const QPoint* p, int n, int step) {
            for (int k = 0; k + 1 < n; k += step)
                canvas.Line(
                    x + p[k].x(), y + p[k].y(), x + p[k + 1].x(), y + p[k + 1].y(), mark.Color, 1);
        };
        switch (mark.Shape) {
        case msCircle:
            path(circle, 13, 1);
            break;
        case msTriangleUp:
            path(up, 4, 1);
            break;
        case msTriangleDown:
            path(down, 4, 1);
            break;
        case msCross:
            path(cross, 4, 2);
            break;
        }
    }
}

void TRenderScene::drawLittleAxes(
    const TCamera& camera, TCanvas& canvas, std::array<QPoint, 3>& ends) const
{
    const auto& m = camera.Matrix().M();
    const int baseX = 25;
    const int baseY = canvas.Height() - 25;
    for (int i = 0; i < 3; ++i) {
        // The image of the unit vector along the axis, with 1 in place of the scale.
        const long double d = (m[i][3] + 1) / 20;
        const long double ex = std::nearbyint((m[i][0] + m[3][0]) / d);
        const long double ey = std::nearbyint((m[i][1] + m[3][1]) / d);
        ends[i] = QPoint(baseX + static_cast<int>(ex), baseY - static_cast<int>(ey));
        canvas.Line(baseX, baseY, ends[i].x(), ends[i].y(), FLAxisesColor, 1);
        const QPoint label = lAxisLabelAt(ends[i]);
        canvas.Text(label.x(), label.y(), QString::fromLatin1(LAxisLabels[i]), FLAxisesColor);
    }
}

void TRenderScene::drawPlanes(const TCamera& camera, TCanvas& canvas, bool hiding) const
{
    const std::int64_t x0 = camera.X0();
    const std::int64_t y0 = camera.Y0();
    for (int index = 1; index <= 3; ++index) {
        const TPlane& plane = FPlanes.Items(index);
        if (!plane.Visible())
            continue;
        const TScreenPoint* grid = plane.Grid().ScreenPointData();
        if (hiding) {
            drawTestedPlane(camera, canvas, plane);
            continue;
        }
        for (int k = 0; k < 18; ++k)
            if (Drawable(grid[2 * k]) && Drawable(grid[2 * k + 1]))
                canvas.Line(x0 + grid[2 * k].X, y0 - grid[2 * k].Y, x0 + grid[2 * k + 1].X,
                    y0 - grid[2 * k + 1].Y, plane.Color(), plane.Thickness());
        for (int end : { TPlanes::FirstAxisEnd, TPlanes::SecondAxisEnd })
            if (Drawable(grid[end]))
                canvas.Line(x0, y0, x0 + grid[end].X, y0 - grid[end].Y, AxisColor, AxisPenWidth);
    }
}

void TRenderScene::drawTestedPlane(
    const TCamera& camera, TCanvas& canvas, const TPlane& plane) const
{
    const TPlaneMatrisi& grid = plane.Grid();
    const TDepthProjection depthOf(camera);
    depthOf.Project(grid.SpacePointData(), grid.Count(), 1, FDepthPoints);
    const TScreenPoint* screen = grid.ScreenPointData();
    for (int k = 0; k < 18; ++k)
        canvas.TestedPolyline(screen + 2 * k, FDepthPoints.data() + 2 * k, 2, camera.X0(),
            camera.Y0(), plane.Color(), plane.Thickness());
    const TScreenPoint origin { 0, 0 };
    const TDepthPoint originDepth = depthOf({ 0, 0, 0, 1 });
    for (int end : { TPlanes::FirstAxisEnd, TPlanes::SecondAxisEnd }) {
        const TScreenPoint line[2] = { origin, screen[end] };
        const TDepthPoint depth[2] = { originDepth, FDepthPoints[static_cast<std::size_t>(end)] };
        canvas.TestedPolyline(line, depth, 2, camera.X0(), camera.Y0(), AxisColor, AxisPenWidth);
    }
}

void TRenderScene::drawAxisNumbers(
    const TCamera& camera, TCanvas& canvas, std::vector<QRect> taken) const
{
    for (const TAxisNumber& number : PlaceAxisNumbers(FPlanes, camera.Matrix(), camera.X0(),
             camera.Y0(), QRect(0, 0, canvas.Width(), canvas.Height()), taken))
        canvas.Text(number.Box.left(), number.Box.top(), number.Text, number.Color);
}

void TRenderScene::drawMesh(const TSurfaceMesh& mesh, TCanvas& canvas) const
{
    const TColor color = MeshColor(mesh);
    if (mesh.Whole && canvas.TestedMesh(mesh, FSurfaces.X0, FSurfaces.Y0, color, mesh.Thickness))
        return;
    FRunPoints.clear();
    FDepthPoints.clear();
    const auto draw = [&](const TScreenPoint* points, const TDepthPoint* depth, std::size_t count) {
        if (count >= 2)
            canvas.TestedPolyline(points, depth, static_cast<int>(count), FSurfaces.X0,
                FSurfaces.Y0, color, mesh.Thickness);
    };
    const auto flush = [&] {
        draw(FRunPoints.data(), FDepthPoints.data(), FRunPoints.size());
        FRunPoints.clear();
        FDepthPoints.clear();
    };
    const auto take = [&](int v) {
        FRunPoints.push_back(mesh.Screen[static_cast<std::size_t>(v)]);
        FDepthPoints.push_back(mesh.Depth[static_cast<std::size_t>(v)]);
    };
    // A line along each row and each column of the grid, broken where a sample is missing.
    const auto takeOrBreak = [&](int row, int column) {
        if (const int v = mesh.Vertex(row, column); v >= 0)
            take(v);
        else
            flush();
    };
    const int columns = mesh.CellColumns() + 1, rows = mesh.CellRows() + 1;
    canvas.BeginCurve();
    for (int row = 0; row < mesh.Rows; ++row) {
        if (mesh.Whole) {
            // A whole row lies in the lists as it is.
            const std::size_t first = static_cast<std::size_t>(row) * mesh.Columns;
            draw(mesh.Screen.data() + first, mesh.Depth.data() + first,
                static_cast<std::size_t>(mesh.Columns));
            if (columns > mesh.Columns) {
                take(static_cast<int>(first + mesh.Columns - 1));
                take(static_cast<int>(first));
                flush();
            }
            continue;
        }
        for (int column = 0; column < columns; ++column)
            takeOrBreak(row, column);
        flush();
    }
    if (mesh.Whole && canvas.DrawsLinesInPieces(mesh.Thickness)) {
        // Lines the canvas draws alike one by one: the columns a pair of rows at a time,
        // straight from the lists.
        for (int row = 0; row + 1 < rows; ++row) {
            const std::size_t from = static_cast<std::size_t>(row) * mesh.Columns;
            const std::size_t to = static_cast<std::size_t>((row + 1) % mesh.Rows) * mesh.Columns;
            canvas.TestedSegments(mesh.Screen.data() + from, mesh.Depth.data() + from,
                mesh.Screen.data() + to, mesh.Depth.data() + to, mesh.Columns, FSurfaces.X0,
                FSurfaces.Y0, color, mesh.Thickness);
        }
    } else {
        for (int column = 0; column < mesh.Columns; ++column) {
            for (int row = 0; row < rows; ++row)
                if (mesh.Whole)
                    take((row % mesh.Rows) * mesh.Columns + column);
                else
                    takeOrBreak(row, column);
            flush();
        }
    }
    canvas.EndCurve();
}

void TRenderScene::drawCurves(const TCamera& camera, TCanvas& canvas,
    std::vector<std::unique_ptr<TPointsProjection>>* projections,
    const TSurfaceSet* surfaces) const
{
    std::size_t mesh = 0;
    for (int i = 0; i < FObjects.Count(); ++i) {
        const TCurveRecord curve = FObjects.Items(i);
        if (!curve.Visible || curve.Points == nullptr)
            continue;
        if (isMesh(curve)) {
            // The surfaces were gathered in this order, those with points.
            if (surfaces && mesh < surfaces->Meshes.size()
                && surfaces->Meshes[mesh].Points == curve.Points)
                drawMesh(surfaces->Meshes[mesh++], canvas);
            continue;
        }
        if (surfaces) {
            drawTestedCurve(camera, canvas, curve,
                projections ? (*projections)[static_cast<std::size_t>(i)].get() : nullptr);
            continue;
        }
        TPointsProjection* projection
            = projections ? (*projections)[static_cast<std::size_t>(i)].get() : nullptr;
        // Screen points 0..n, as the last projection filled them or fills them now.
        const int n = curve.Points->ProjectedCount() - 1;
        if (n < 1)
            continue;
        const TScreenPoint* points = curve.Points->ScreenPointData();
        const std::int32_t x0 = camera.X0(), y0 = camera.Y0();
        // A curve that is no grid in a surface style is drawn as its line.
        const std::uint8_t style = IsSurfaceStyle(curve.Style) ? std::uint8_t(csLine) : curve.Style;
        canvas.BeginCurve();
        // Points at or behind the eye break the line and are not drawn.
        if (style == csLine && projection && canvas.DrawsLinesInPieces(curve.Thickness)) {
            TLinePieces pieces;
            for (int done = 0; done <= n;) {
                const int ready = projection->AwaitNext();
                pieces.Take(points, done, ready, [&](int first, int count) {
                    canvas.Polyline(points + first, count, x0, y0, curve.Color, curve.Thickness);
                });
                done = ready;
            }
        } else if (style == csLine) {
            if (projection)
                projection->AwaitAll();
            forEachDrawableRun(points, n + 1, [&](const TScreenPoint* run, int count) {
                canvas.Polyline(run, count, x0, y0, curve.Color, curve.Thickness);
            });
        } else if (style == csPoints) {
            // Each point's square on its own: while the projection goes on, the squares
            // of a block are drawn as it comes.
            for (int done = 1; done <= n;) {
                const int ready = projection ? projection->AwaitNext() : n + 1;
                forEachDrawableRun(points + done, ready - done,
                    [&](const TScreenPoint* run, int count) {
                        canvas.Squares(run, count, x0, y0, curve.Color);
                    });
                done = ready;
            }
        }
        canvas.EndCurve();
    }
}

void TRenderScene::drawTestedCurve(const TCamera& camera, TCanvas& canvas,
    const TCurveRecord& curve, TPointsProjection* projection) const
{
    if (projection)
        projection->AwaitAll();
    const int n = curve.Points->ProjectedCount() - 1;
    if (n < 1)
        return;
    const TScreenPoint* points = curve.Points->ScreenPointData();
    TDepthProjection(camera).Project(
        curve.Points->SpacePointData(), curve.Points->Count(), camera.Stride(), FDepthPoints);
    const TDepthPoint* depth = FDepthPoints.data();
    const std::int32_t x0 = camera.X0(), y0 = camera.Y0();
    // A curve that is no grid in a surface style is drawn as its line.
    const std::uint8_t style = IsSurfaceStyle(curve.Style) ? std::uint8_t(csLine) : curve.Style;
    canvas.BeginCurve();
    if (style == csLine)
        forEachDrawableRun(points, n + 1, [&](const TScreenPoint* run, int count) {
            canvas.TestedPolyline(
                run, depth + (run - points), count, x0, y0, curve.Color, curve.Thickness);
        });
    else if (style == csPoints)
        forEachDrawableRun(points + 1, n, [&](const TScreenPoint* run, int count) {
            canvas.TestedSquares(run, depth + (run - points), count, x0, y0, curve.Color);
        });
    canvas.EndCurve();
}
