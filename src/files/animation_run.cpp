#include "files/animation_run.h"

#include "render/draw_function.h"
#include "render/four_view.h"

long double SweepValue(const TAnimationMove& move, int index)
{
    if (move.Frames <= 1)
        return move.From;
    return move.From + index * (move.To - move.From) / (move.Frames - 1);
}

long double TurnAngle(const TAnimationMove& move, long double firstAngle, int index)
{
    return firstAngle + index * move.Degrees / move.Frames;
}

void MoveToAnimationFrame(TDrawFunction& renderer, const TAnimationMove& move, int index,
    long double firstX, long double firstY)
{
    if (move.Turn)
        renderer.SetAngles(firstX, TurnAngle(move, firstY, index));
    else
        renderer.Objects().SetParameterValue(move.Parameter, SweepValue(move, index));
}

void WriteAnimationFrame(
    TDrawFunction& renderer, bool fourView, QSize fourViewSize, TAnimationWriter& writer)
{
    if (fourView) {
        writer.AddFrame(ComposeFourView(
            RenderFourViews(renderer).Views, fourViewSize.width(), fourViewSize.height()));
    } else {
        renderer.Render(true);
        writer.AddFrame(renderer.Image());
    }
}

bool RenderAnimation(TDrawFunction& renderer, bool fourView, QSize fourViewSize,
    const TAnimationMove& move, TAnimationWriter& writer, const std::function<bool(int)>& progress)
{
    const long double firstX = renderer.XAxisAngle();
    const long double firstY = renderer.YAxisAngle();
    for (int i = 0; i < move.Frames; ++i) {
        MoveToAnimationFrame(renderer, move, i, firstX, firstY);
        WriteAnimationFrame(renderer, fourView, fourViewSize, writer);
        if (progress && !progress(i + 1))
            return false;
    }
    return true;
}
