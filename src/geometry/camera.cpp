#include "geometry/camera.h"

TCamera::TCamera()
    : FPerspectiveMatrix(TTransformMatrix::Perspective())
{
}

void TCamera::BuildMatrix()
{
    FMatrix.Identity();
    FMatrix.SetScale(FScale);
    FMatrix.RotateX(FXAxisAngle);
    FMatrix.RotateY(FYAxisAngle);
    if (FPerspective)
        FMatrix.Multiply(FPerspectiveMatrix);
}
