#pragma once

#include "files/animation_file.h"

#include <QSize>

#include <functional>
#include <string>

class TDrawFunction;

// What an animation moves: a parameter of the scene from From to To (Turn false), or the view
// turning about its vertical axis through Degrees (Turn true), in Frames pictures.
struct TAnimationMove {
    bool Turn = false;
    std::string Parameter;
    long double From = 0;
    long double To = 0;
    long double Degrees = 360;
    int Frames = 60;
};

// The parameter's value in frame index: From + index * (To - From) / (Frames - 1), From for a
// single frame.
long double SweepValue(const TAnimationMove& move, int index);
// The vertical-axis angle of frame index, starting from firstAngle: each frame turns by
// Degrees / Frames, so that a whole turn ends one step before its first picture again.
long double TurnAngle(const TAnimationMove& move, long double firstAngle, int index);

// Sets what frame index of move shows on renderer: the parameter's value (the curves that use
// it generated again) or the angles, turned from firstX and firstY.
void MoveToAnimationFrame(TDrawFunction& renderer, const TAnimationMove& move, int index,
    long double firstX, long double firstY);
// Draws renderer's scene as RenderAnimation does and hands the picture to writer.
void WriteAnimationFrame(
    TDrawFunction& renderer, bool fourView, QSize fourViewSize, TAnimationWriter& writer);

// Draws each frame of move on renderer as a graph window shows it (the one view at the
// renderer's size, or with fourView the four views in a picture of fourViewSize), setting the
// parameter's value (the curves that use it generated again) or the angles first, and hands it
// to writer. progress(frames done) is asked after each frame; false stops there, and the
// function returns false (the caller drops the writer, which leaves nothing behind). The
// renderer keeps the last frame's value and angles.
bool RenderAnimation(TDrawFunction& renderer, bool fourView, QSize fourViewSize,
    const TAnimationMove& move, TAnimationWriter& writer,
    const std::function<bool(int)>& progress = {});
