#pragma once

#include "curves/parameters.h"

#include <functional>
#include <string>
#include <vector>

class QUndoStack;
class TObjectList;

// A graph window's parameters: live values while a slider moves, committed changes as
// undo steps, and play: the value runs from minimum to maximum and back, one step a
// tick of the window's timer, until it stops, when the way it went is committed as one
// change. Starting another parameter stops the one playing.
class TGraphParameters {
public:
    // What the window does when its parameters change.
    struct TWindow {
        // Curves were generated again at new values. redraw is false for a step of
        // play, whose tick of the timer draws.
        std::function<void(bool redraw)> Moved;
        // The names, settings, values or play changed.
        std::function<void()> Changed;
        // Play started or stopped: the timer runs while a parameter plays.
        std::function<void()> PlayingChanged;
    };

    // curves and undo are the window's; both outlive this object.
    TGraphParameters(TObjectList& curves, QUndoStack& undo, TWindow window);
    TGraphParameters(const TGraphParameters&) = delete;
    TGraphParameters& operator=(const TGraphParameters&) = delete;

    // While a slider moves: the curves that use name are generated again at value; no
    // undo step. A name no curve uses is ignored.
    void SetValue(const std::string& name, long double value);
    // A committed change: takes the settings given for each parameter (a name no
    // curve uses is ignored) and makes the way from before one undo step; nothing
    // when the parameters are as before. before is taken as a copy, so it may be the
    // list's own items.
    void Commit(std::vector<TParameter> before, const std::vector<TParameter>& after);

    void Play(const std::string& name);
    void Stop();
    // The parameter playing; empty while none plays.
    const std::string& Playing() const { return FPlaying; }
    // One step of the parameter playing; play ends when no curve uses it any more.
    void Tick();

private:
    const TParameters& Parameters() const;
    void Restore(const std::vector<TParameter>& items);

    TObjectList& FCurves;
    QUndoStack& FUndo;
    TWindow FWindow;
    std::string FPlaying;
    int FPlayDirection = 1;
    // The settings when play began.
    std::vector<TParameter> FPlayBefore;
};
