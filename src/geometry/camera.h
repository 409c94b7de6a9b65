#pragma once

#include "geometry/goruntu_matrisi.h"
#include "geometry/plane_matrisi.h"
#include "geometry/transform_matrix.h"

// Where a scene is seen from: the two turning angles, the zoom scale, perspective
// and the picture pixel of the scene origin. It composes the scene matrix and is
// the one place that projects point lists with it; a changed angle, scale or
// perspective takes effect at the next BuildMatrix.
class TCamera {
public:
    TCamera();

    // Valid for the values at the last BuildMatrix.
    const TTransformMatrix& Matrix() const { return FMatrix; }
    // Composes the matrix: scale, RotateX, RotateY, then perspective.
    void BuildMatrix();
    // The depth of a point along the view axis (towards the eye) is the point's dot
    // product with this column: the matrix's column 2 before perspective.
    const long double (&DepthColumn() const)[3] { return FDepthColumn; }

    // Projects every Stride()-th point of a curve, or every point of a plane grid.
    void Project(TGoruntuMatrisi& points) const { points.Project(FMatrix); }
    void Project(TPlaneMatrisi& grid) const { grid.Project(FMatrix); }
    // How many space points one screen point stands for with the current matrix.
    int Stride() const { return TGoruntuMatrisi::Stride(FMatrix); }

    // The picture pixel of the scene origin.
    int X0() const { return FX0; }
    void SetX0(int value) { FX0 = value; }
    int Y0() const { return FY0; }
    void SetY0(int value) { FY0 = value; }
    // X0 -= dx, Y0 -= dy.
    void MoveOrigin(int dx, int dy)
    {
        FX0 -= dx;
        FY0 -= dy;
    }

    bool Perspective() const { return FPerspective; }
    void SetPerspective(bool value) { FPerspective = value; }
    // Degrees, not wrapped into 0..360.
    long double XAxisAngle() const { return FXAxisAngle; }
    long double YAxisAngle() const { return FYAxisAngle; }
    void SetAngles(long double ax, long double ay)
    {
        FXAxisAngle = ax;
        FYAxisAngle = ay;
    }
    void RotateBy(long double dx, long double dy)
    {
        FXAxisAngle += dx;
        FYAxisAngle += dy;
    }

    // Scene units per pixel before perspective; zooming in halves it.
    long double Scale() const { return FScale; }
    void HalveScale() { FScale /= 2; }
    void DoubleScale() { FScale *= 2; }
    // The zoom percent the user sees is 5 / scale, and a percent gives the scale
    // 5 / percent; percent is positive (the callers see to it). Not rounded.
    long double ZoomPercent() const { return 5.0L / FScale; }
    void SetZoomPercent(long double percent) { FScale = 5.0L / percent; }
    void SetZoom(int percent) { SetZoomPercent(percent); }
    // A scale kept elsewhere (a scene file's zoom); positive.
    void SetScale(long double scale) { FScale = scale; }

private:
    TTransformMatrix FMatrix;
    TTransformMatrix FPerspectiveMatrix;
    long double FDepthColumn[3] = { 0, 0, 1 };
    long double FXAxisAngle = 0;
    long double FYAxisAngle = 0;
    long double FScale = 0.05L;
    bool FPerspective = true;
    int FX0 = 0;
    int FY0 = 0;
};
