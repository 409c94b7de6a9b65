#pragma once

#include "geometry/camera.h"
#include "render/color.h"
#include "render/render_scene.h"

#include <QImage>
#include <QPoint>
#include <QRect>

#include <array>

class QPaintDevice;
class QPainter;

// One scene drawn into its own picture: background, the little orientation
// axes, the reference planes with their red half-axes, and the curves. It is the
// camera, the scene it looks at and the picture the own rasterizer draws into;
// the same walk of the scene paints onto any other paint device. It never
// redraws by itself: the owner changes parameters and calls Render; a changed
// angle, scale or perspective shows only after Render(true).
class TDrawFunction {
public:
    TDrawFunction();
    TDrawFunction(const TDrawFunction&) = delete;
    TDrawFunction& operator=(const TDrawFunction&) = delete;

    // The picture (32-bit RGB), its size and its background (the brush colour).
    const QImage& Image() const { return FImage; }
    int Width() const { return FImage.width(); }
    int Height() const { return FImage.height(); }
    void SetSize(int width, int height);
    TColor BrushColor() const { return FScene.BrushColor(); }
    void SetBrushColor(TColor color) { FScene.SetBrushColor(color); }

    TCamera& Camera() { return FCamera; }
    const TCamera& Camera() const { return FCamera; }
    TRenderScene& Scene() { return FScene; }
    const TRenderScene& Scene() const { return FScene; }

    TObjectList& Objects() { return FScene.Objects(); }
    const TObjectList& Objects() const { return FScene.Objects(); }
    TPlanes& Planes() { return FScene.Planes(); }
    const TPlanes& Planes() const { return FScene.Planes(); }
    const TTransformMatrix& Matrix() const { return FCamera.Matrix(); }

    bool LAxisesVisible() const { return FScene.LAxisesVisible(); }
    void SetLAxisesVisible(bool value) { FScene.SetLAxisesVisible(value); }
    TColor LAxisesColor() const { return FScene.LAxisesColor(); }
    void SetLAxisesColor(TColor value) { FScene.SetLAxisesColor(value); }
    // Kept for the owner (the graph window's step in pixels); not used here.
    int MoveStep() const { return FMoveStep; }
    void SetMoveStep(int value) { FMoveStep = value; }
    // The picture pixel of the scene origin.
    int X0() const { return FCamera.X0(); }
    void SetX0(int value) { FCamera.SetX0(value); }
    int Y0() const { return FCamera.Y0(); }
    void SetY0(int value) { FCamera.SetY0(value); }
    bool Perspective() const { return FCamera.Perspective(); }
    void SetPerspective(bool value) { FCamera.SetPerspective(value); }
    // Lines drawn anti-aliased (off for a new renderer): width-1 lines by the raster's smooth
    // line, wider pens and the labels by QPainter with anti-aliasing.
    bool SmoothLines() const { return FSmoothLines; }
    void SetSmoothLines(bool value) { FSmoothLines = value; }
    // The legend (off for a new renderer): a line per visible curve in the top-left corner,
    // its colour and style and its formulas, in the little axes' colour.
    bool Legend() const { return FLegend; }
    void SetLegend(bool value) { FLegend = value; }
    // Numbers at the ends of the reference planes' grid lines (off for a new renderer), in
    // each plane's colour, left out where they would overlap each other or a label.
    bool AxisNumbers() const { return FScene.AxisNumbers(); }
    void SetAxisNumbers(bool value) { FScene.SetAxisNumbers(value); }
    // A box that a label written over the picture afterwards takes (a four-view view's name);
    // the axis numbers keep clear of it. Empty, the default, for none.
    const QRect& LabelBox() const { return FLabelBox; }
    void SetLabelBox(const QRect& box) { FLabelBox = box; }
    // Degrees, not wrapped into 0..360.
    long double XAxisAngle() const { return FCamera.XAxisAngle(); }
    long double YAxisAngle() const { return FCamera.YAxisAngle(); }

    // X0 -= dx, Y0 -= dy.
    void MoveOrigin(int dx, int dy) { FCamera.MoveOrigin(dx, dy); }
    void SetAngles(long double ax, long double ay) { FCamera.SetAngles(ax, ay); }
    void RotateBy(long double dx, long double dy) { FCamera.RotateBy(dx, dy); }
    // Zoom in: the percent doubles.
    void HalveScale() { FCamera.HalveScale(); }
    // Zoom out: the percent halves.
    void DoubleScale() { FCamera.DoubleScale(); }
    // Scale := 5 / percent; percent is positive (the callers see to it).
    void SetZoom(int percent) { FCamera.SetZoom(percent); }
    // The percent of a scale and back, not rounded (TCamera's rule).
    long double ZoomPercent() const { return FCamera.ZoomPercent(); }
    void SetZoomPercent(long double percent) { FCamera.SetZoomPercent(percent); }
    long double Scale() const { return FCamera.Scale(); }
    // A scale kept elsewhere (a scene file's zoom); positive.
    void SetScale(long double scale) { FCamera.SetScale(scale); }

    // Composes the scene matrix: scale, RotateX, RotateY, then perspective.
    void BuildMatrix() { FCamera.BuildMatrix(); }
    // Draws the whole picture; with recompute the matrix is rebuilt and the
    // visible planes and curves are projected anew.
    void Render(bool recompute);
    // Paints the scene as the last Render projected it through painter, active on a
    // device of width x height (in the painter's coordinates), with QPainter's own
    // primitives: for vector files and print. The picture is left alone.
    void Paint(QPainter& painter, int width, int height) const;
    // The same, anti-aliased when smooth whatever SmoothLines holds (vector files always are).
    void Paint(QPainter& painter, int width, int height, bool smooth) const;
    // The same onto a whole device, with a painter of its own.
    void Paint(QPaintDevice& device) const;

    // Where the little axes x, y, z ended in the last drawing.
    const std::array<QPoint, 3>& LAxisPoints() const { return FLAxisPoints; }

private:
    // The labels drawn over the scene (legend, label box) that the axis numbers keep clear of.
    std::vector<QRect> labelBoxes(int height) const;

    TCamera FCamera;
    TRenderScene FScene;
    int FMoveStep = 0;
    bool FSmoothLines = false;
    bool FLegend = false;
    QRect FLabelBox;
    std::array<QPoint, 3> FLAxisPoints {};
    QImage FImage;
    // The surfaces' depth buffer of each Render, kept with its room between them.
    TDepthBuffer FDepth;
};
