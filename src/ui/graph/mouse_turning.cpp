#include "ui/graph/mouse_turning.h"

#include <cmath>
#include <cstdlib>

void TMouseTurning::MouseDown(int x, int y)
{
    FLastX = x;
    FLastY = y;
    FDragging = true;
    FTimerEnabled = false;
}

TMouseTurning::TMove TMouseTurning::MouseMove(int x, int y, bool leftHeld)
{
    TMove move;
    if (!FDragging)
        return move;
    if (std::abs(static_cast<long long>(FLastX) - x) <= DeadZone
        && std::abs(static_cast<long long>(FLastY) - y) <= DeadZone)
        return move;
    if (FMouseMode == mmRotate) {
        if (!leftHeld)
            return move;
        FSpinX = static_cast<long double>(y - FLastY) / PixelsPerDegree;
        FSpinY = static_cast<long double>(FLastX - x) / PixelsPerDegree;
        move.Kind = TMove::Rotate;
        move.RotateX = FSpinX;
        move.RotateY = FSpinY;
    } else {
        move.Kind = TMove::Drag;
        move.OriginDX = FLastX - x;
        move.OriginDY = FLastY - y;
    }
    FLastX = x;
    FLastY = y;
    return move;
}

void TMouseTurning::MouseUp()
{
    FDragging = false;
    if (FAnimation)
        FTimerEnabled = true;
    else if (FMouseMode == mmRotate)
        FTimerEnabled = std::fabs(FSpinX) > SpinStart || std::fabs(FSpinY) > SpinStart;
}

TMouseTurning::TMove TMouseTurning::Tick()
{
    TMove move;
    move.Kind = TMove::Rotate;
    move.RotateX = FSpinX;
    move.RotateY = FSpinY;
    const long double floor = FAnimation ? AnimationFloor : SpinStop;
    if (std::fabs(FSpinX) > floor || std::fabs(FSpinY) > floor) {
        FSpinX *= Shrink;
        FSpinY *= Shrink;
    } else if (!FAnimation) {
        FTimerEnabled = false;
    }
    return move;
}
