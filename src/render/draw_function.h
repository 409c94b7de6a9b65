#pragma once

#include "curves/object_list.h"
#include "geometry/planes.h"
#include "geometry/transform_matrix.h"
#include "render/color.h"

#include <QImage>
#include <QPoint>

#include <array>
#include <cstdint>

class QPainter;
class TRaster;

// One scene drawn into its own picture: background, the little orientation
// axes, the reference planes with their red half-axes, and the curves. It owns
// the curve list, the planes and both matrices. It never redraws by itself: the
// owner changes parameters and calls Render; a changed angle, scale or
// perspective shows only after Render(true).
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
    TColor BrushColor() const { return FBrushColor; }
    void SetBrushColor(TColor color) { FBrushColor = color; }

    TObjectList& Objects() { return FObjects; }
    const TObjectList& Objects() const { return FObjects; }
    TPlanes& Planes() { return FPlanes; }
    const TPlanes& Planes() const { return FPlanes; }
    const TTransformMatrix& Matrix() const { return FMatrix; }

    bool LAxisesVisible() const { return FLAxisesVisible; }
    void SetLAxisesVisible(bool value) { FLAxisesVisible = value; }
    TColor LAxisesColor() const { return FLAxisesColor; }
    void SetLAxisesColor(TColor value) { FLAxisesColor = value; }
    // Kept for the owner (the graph window's step in pixels); not used here.
    int MoveStep() const { return FMoveStep; }
    void SetMoveStep(int value) { FMoveStep = value; }
    // The picture pixel of the scene origin.
    int X0() const { return FX0; }
    void SetX0(int value) { FX0 = value; }
    int Y0() const { return FY0; }
    void SetY0(int value) { FY0 = value; }
    bool Perspective() const { return FPerspective; }
    void SetPerspective(bool value) { FPerspective = value; }
    // Degrees, not wrapped into 0..360.
    long double XAxisAngle() const { return FXAxisAngle; }
    long double YAxisAngle() const { return FYAxisAngle; }

    // X0 -= dx, Y0 -= dy.
    void MoveOrigin(int dx, int dy);
    void SetAngles(long double ax, long double ay);
    void RotateBy(long double dx, long double dy);
    // Zoom in: the percent doubles.
    void HalveScale() { FScale /= 2; }
    // Zoom out: the percent halves.
    void DoubleScale() { FScale *= 2; }
    // Scale := 5 / percent; percent is positive (the callers see to it).
    void SetZoom(int percent) { FScale = 5.0L / percent; }
    long double Scale() const { return FScale; }
    // A scale kept elsewhere (a scene file's zoom); positive.
    void SetScale(long double scale) { FScale = scale; }

    // Composes the scene matrix: scale, RotateX, RotateY, then perspective.
    void BuildMatrix();
    // Draws the whole picture; with recompute the matrix is rebuilt and the
    // visible planes and curves are projected anew.
    void Render(bool recompute);

    // Where the little axes x, y, z ended in the last drawing.
    const std::array<QPoint, 3>& LAxisPoints() const { return FLAxisPoints; }

private:
    void DrawBackground(TRaster& raster, QPainter& painter);
    void DrawLittleAxes(TRaster& raster, QPainter& painter);
    void DrawPlanes(bool recompute, TRaster& raster, QPainter& painter);
    void DrawCurves(bool recompute, TRaster& raster, QPainter& painter);

    TObjectList FObjects;
    TPlanes FPlanes;
    TTransformMatrix FMatrix;
    TTransformMatrix FPerspectiveMatrix;
    long double FXAxisAngle = 0;
    long double FYAxisAngle = 0;
    long double FScale = 0.05L;
    bool FPerspective = true;
    int FX0 = 0;
    int FY0 = 0;
    int FMoveStep = 0;
    bool FLAxisesVisible = true;
    TColor FLAxisesColor = 0;
    std::array<QPoint, 3> FLAxisPoints {};
    TColor FBrushColor = 16777215;
    QImage FImage;
};
