#pragma once

// How a graph window's interactive view follows the mouse and its timer: a move
// beyond a 15-pixel dead zone turns the scene (2 pixels a degree) or drags its
// origin, a flick of more than 40 degrees a step sets it spinning until the
// steps shrink to 5, and the animation keeps it turning. The window applies the
// results to its renderer and switches its timer as TimerEnabled says.
class TMouseTurning {
public:
    static constexpr int DeadZone = 15;
    static constexpr long double PixelsPerDegree = 2;
    static constexpr long double SpinStart = 40;
    static constexpr long double SpinStop = 5;
    static constexpr long double AnimationFloor = 10;
    static constexpr long double Shrink = 0.93L;

    enum TMode { mmRotate = 0, mmDrag = 1 };

    // What a move asks of the window.
    struct TMove {
        enum { None, Rotate, Drag } Kind = None;
        long double RotateX = 0; // degrees added to XAxisAngle
        long double RotateY = 0;
        int OriginDX = 0; // MoveOrigin arguments: the origin moves by -DX, -DY
        int OriginDY = 0;
    };

    int MouseMode() const { return FMouseMode; }
    void SetMouseMode(int mode) { FMouseMode = mode == mmDrag ? mmDrag : mmRotate; }
    bool Dragging() const { return FDragging; }
    int LastX() const { return FLastX; }
    int LastY() const { return FLastY; }
    long double SpinX() const { return FSpinX; }
    long double SpinY() const { return FSpinY; }
    bool Animation() const { return FAnimation; }
    bool TimerEnabled() const { return FTimerEnabled; }

    void SetAnimation(bool value)
    {
        FAnimation = value;
        FTimerEnabled = value;
    }

    // Any button: stops a spin and pauses the animation.
    void MouseDown(int x, int y);
    TMove MouseMove(int x, int y, bool leftHeld);
    void MouseUp();
    // One timer tick: the step the scene turns by; it may switch the timer off.
    TMove Tick();

private:
    int FMouseMode = mmRotate;
    bool FDragging = false;
    int FLastX = 0;
    int FLastY = 0;
    long double FSpinX = 5;
    long double FSpinY = 5;
    bool FAnimation = false;
    bool FTimerEnabled = false;
};
