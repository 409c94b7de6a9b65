#include "ui/platform/preview_turning.h"

#include <cstdlib>

void TPreviewTurning::Reset()
{
    FAngleX = StartAngleX;
    FAngleY = StartAngleY;
}

void TPreviewTurning::MouseDown(int x, int y)
{
    FLastX = x;
    FLastY = y;
    FPressed = true;
}

bool TPreviewTurning::MouseMove(int x, int y, bool leftHeld)
{
    if (!FPressed || !leftHeld)
        return false;
    if (std::abs(x - FLastX) <= DeadZone && std::abs(y - FLastY) <= DeadZone)
        return false;
    FAngleX += static_cast<long double>(y - FLastY) / PixelsPerDegree;
    FAngleY += static_cast<long double>(FLastX - x) / PixelsPerDegree;
    FLastX = x;
    FLastY = y;
    return true;
}
