#pragma once

// How a small preview of a curve turns under the mouse (the curve explorer's,
// the numeric values window's and the library window's): after a press, a move
// with the left button more than DeadZone pixels from where the view last
// turned, across or down, turns it by half a degree a pixel (down raises the X
// angle, right lowers the Y angle). A new curve starts at the start angles.
class TPreviewTurning {
public:
    static constexpr int DeadZone = 10;
    static constexpr long double PixelsPerDegree = 2;
    static constexpr long double StartAngleX = 15;
    static constexpr long double StartAngleY = -30;

    long double AngleX() const { return FAngleX; }
    long double AngleY() const { return FAngleY; }
    // Back to the start angles.
    void Reset();

    // Any button.
    void MouseDown(int x, int y);
    // True when the view turned: the preview is to be drawn again.
    bool MouseMove(int x, int y, bool leftHeld);
    void MouseUp() { FPressed = false; }

private:
    long double FAngleX = StartAngleX;
    long double FAngleY = StartAngleY;
    bool FPressed = false;
    int FLastX = 0;
    int FLastY = 0;
};
