#pragma once

#include "geometry/space_point.h"
#include "render/color.h"
#include "render/raster.h"
#include "render/surfaces.h"

#include <QPainter>
#include <QPainterPath>
#include <QRect>
#include <QString>

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

class QImage;

// What a scene is drawn onto: the few primitives its walk uses, in picture pixels (y
// downward). Scene points (x, y) sit at the pixel (x0 + x, y0 - y). Lines include both end
// points; a width of 1 or less is the thin line, drawn by each back end's own rule.
class TCanvas {
public:
    virtual ~TCanvas() = default;

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // The whole picture in one colour.
    virtual void Fill(TColor color) = 0;
    virtual void Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2,
        TColor color, int width)
        = 0;
    // Lines from points[0] through points[count - 1]; fewer than two points draw nothing.
    virtual void Polyline(const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0,
        TColor color, int width)
        = 0;
    // Whether lines of this width can be drawn a piece at a time, each piece as its points
    // come: Polyline through the first points, then through the next ones starting again
    // from the last point drawn, and so on, gives the very pixels of one Polyline through
    // all of them.
    virtual bool DrawsLinesInPieces(int /*width*/) const { return false; }
    // A 3 x 3 square centred on each point's pixel.
    virtual void Squares(
        const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0, TColor color)
        = 0;
    // Text in the application's font, its top left corner at (left, top).
    virtual void Text(int left, int top, const QString& text, TColor color) = 0;
    // The polylines or squares between these two calls draw one curve, which a vector back
    // end may hand on as one path.
    virtual void BeginCurve() { }
    virtual void EndCurve() { }

    // Hidden lines: between these two calls the tested primitives below are drawn only
    // where no cell of the surfaces lies in front of them; BeginSurfaces also fills the
    // cells of the shaded ones. The set must outlive EndSurfaces.
    virtual void BeginSurfaces(const TSurfaceSet& /*set*/) { }
    virtual void EndSurfaces() { }
    // Polyline and Squares with each point's depth point beside it.
    virtual void TestedPolyline(const TScreenPoint* points, const TDepthPoint* /*depth*/,
        int count, std::int32_t x0, std::int32_t y0, TColor color, int width)
    {
        Polyline(points, count, x0, y0, color, width);
    }
    virtual void TestedSquares(const TScreenPoint* points, const TDepthPoint* /*depth*/,
        int count, std::int32_t x0, std::int32_t y0, TColor color)
    {
        Squares(points, count, x0, y0, color);
    }
    // The lines of a mesh whose every sample has a point, each row of its grid as one
    // tested polyline (and the line closing it around where the grid closes) and the
    // lines between neighbouring rows each on its own, all at once where the back end can
    // draw them so with the very pixels of drawing them one by one; false (nothing drawn)
    // where it cannot.
    virtual bool TestedMesh(const TSurfaceMesh& /*mesh*/, std::int32_t /*x0*/,
        std::int32_t /*y0*/, TColor /*color*/, int /*width*/)
    {
        return false;
    }
    // Tested lines from a[i] to b[i] for i below count, each on its own.
    virtual void TestedSegments(const TScreenPoint* a, const TDepthPoint* da,
        const TScreenPoint* b, const TDepthPoint* db, int count, std::int32_t x0,
        std::int32_t y0, TColor color, int width)
    {
        for (int i = 0; i < count; ++i) {
            const TScreenPoint points[2] = { a[i], b[i] };
            const TDepthPoint depth[2] = { da[i], db[i] };
            TestedPolyline(points, depth, 2, x0, y0, color, width);
        }
    }
};

// QPainter onto any paint device (a picture, an SVG or PDF generator, a printer): every
// primitive through the painter, with coordinates far outside the device cut first. A curve
// goes to the painter as one path (stroked for lines, filled for squares), so that a vector
// file holds one object per curve.
class TPainterCanvas : public TCanvas {
public:
    // The painter is active on its device and stays the caller's; width and height are the
    // picture's size in the painter's coordinates. Smooth turns on the painter's anti-aliasing.
    TPainterCanvas(QPainter& painter, int width, int height, bool smooth = false);

    int Width() const override { return FWidth; }
    int Height() const override { return FHeight; }
    void Fill(TColor color) override;
    void Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TColor color,
        int width) override;
    void Polyline(const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0,
        TColor color, int width) override;
    void Squares(const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0,
        TColor color) override;
    void Text(int left, int top, const QString& text, TColor color) override;
    void BeginCurve() override;
    void EndCurve() override;
    void BeginSurfaces(const TSurfaceSet& set) override;
    void EndSurfaces() override;
    void TestedPolyline(const TScreenPoint* points, const TDepthPoint* depth, int count,
        std::int32_t x0, std::int32_t y0, TColor color, int width) override;
    void TestedSquares(const TScreenPoint* points, const TDepthPoint* depth, int count,
        std::int32_t x0, std::int32_t y0, TColor color) override;

private:
    // The cells of every surface, farthest first, filled in their light (the unshaded
    // ones in the background), so that nearer cells cover farther ones.
    void fillCells(const TSurfaceSet& set);

    QPainter& FPainter;
    int FWidth;
    int FHeight;
    // The curve being gathered between BeginCurve and EndCurve.
    bool FInCurve = false;
    QPainterPath FCurve;
    QPen FCurvePen;
    QColor FCurveFill;
    bool FCurveFilled = false;
    // While surfaces hide lines: their cells, and the visible parts of the line in hand.
    std::unique_ptr<TOcclusion> FOcclusion;
    bool FHiding = false;
    std::vector<std::pair<double, double>> FParts;
};

// The own rasterizer into a 32-bit picture, for the curves of hundreds of thousands of
// points: thin lines, squares and the background written straight into the scan lines; wide
// lines and text through a QPainter on the same picture.
class TRasterCanvas : public TCanvas {
public:
    // The picture has 32 bits per pixel (TRaster's rule) and is not null; it must outlive the
    // canvas. The raster is made first: it detaches the picture from any copy an owner holds,
    // after which the raster and the painter write the same pixels. Smooth draws thin lines
    // with the raster's smooth line and the rest anti-aliased. Surfaces are tested against
    // depth when given (the owner's, kept from one picture to the next, so that its room
    // is not made again for each), else against the canvas's own.
    explicit TRasterCanvas(QImage& image, bool smooth = false, TDepthBuffer* depth = nullptr);

    int Width() const override { return FRaster.Width(); }
    int Height() const override { return FRaster.Height(); }
    void Fill(TColor color) override;
    void Line(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, TColor color,
        int width) override;
    void Polyline(const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0,
        TColor color, int width) override;
    // Thin lines, the raster's own, join in pieces exactly.
    bool DrawsLinesInPieces(int width) const override { return width <= 1; }
    void Squares(const TScreenPoint* points, int count, std::int32_t x0, std::int32_t y0,
        TColor color) override;
    void Text(int left, int top, const QString& text, TColor color) override;
    void BeginSurfaces(const TSurfaceSet& set) override;
    void EndSurfaces() override;
    void TestedPolyline(const TScreenPoint* points, const TDepthPoint* depth, int count,
        std::int32_t x0, std::int32_t y0, TColor color, int width) override;
    void TestedSquares(const TScreenPoint* points, const TDepthPoint* depth, int count,
        std::int32_t x0, std::int32_t y0, TColor color) override;
    void TestedSegments(const TScreenPoint* a, const TDepthPoint* da, const TScreenPoint* b,
        const TDepthPoint* db, int count, std::int32_t x0, std::int32_t y0, TColor color,
        int width) override;
    // Thin lines of a mesh in bands of the picture on the machine's cores, when the
    // surfaces' depth buffer was built in bands.
    bool TestedMesh(const TSurfaceMesh& mesh, std::int32_t x0, std::int32_t y0, TColor color,
        int width) override;
    // How many bands the depth buffer is built in (0, the default: as many as suit the
    // machine; 1: in one piece, and meshes line by line).
    void SetBands(int bands) { FBands = bands; }

private:
    // One tested line; testFirst false leaves out the test of its first pixel, which the
    // line before ended on.
    void testedLine(const TScreenPoint& a, const TDepthPoint& da, const TScreenPoint& b,
        const TDepthPoint& db, std::int32_t x0, std::int32_t y0, TColor color, int width,
        bool testFirst);
    // A thin tested line's pixels on the rows top..bottom - 1 alone.
    void thinTestedLine(const TScreenPoint& a, double da, const TScreenPoint& b, double db,
        std::int32_t x0, std::int32_t y0, QRgb rgb, bool testFirst, std::int64_t top,
        std::int64_t bottom);

    TRaster FRaster;
    int FBands = 0;
    TDepthBuffer FOwnDepth;
    TDepthBuffer& FDepth;
    std::vector<TRaster::TPixelRun> FRuns;
    bool FSmooth;
    QPainter FPainter;
    TPainterCanvas FWide; // wide lines and text
};
