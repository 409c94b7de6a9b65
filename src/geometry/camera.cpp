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
    for (int i = 0; i < 3; ++i)
        FDepthColumn[i] = FMatrix.M()[i][2];
    if (FPerspective)
        FMatrix.Multiply(FPerspectiveMatrix);
}
