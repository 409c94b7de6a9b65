#pragma once

#include "curves/parameters.h"

#include <functional>
#include <optional>
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
    // undo step. A name no curve uses is ignored. A generation stopped ("Vazgeç")
    // leaves the curves and the values as they were. A value asked for while the
    // curves are being generated (a slider dragged on during a long generation) waits,
    // the latest one only, and is taken when that generation ends.
    void SetValue(const std::string& name, long double value);
    // A committed change: takes the settings given for each parameter (a name no
    // curve uses is ignored) and makes the way from before one undo step; nothing
    // when the parameters are as before. before is taken as a copy, so it may be the
    // list's own items. Stopped, it raises EGenerationStopped with the curves, the
    // values and the steps as they were. Asked for while the curves are being
    // generated, it waits and then commits the values reached with the settings
    // after gave.
    void Commit(std::vector<TParameter> before, const std::vector<TParameter>& after);
    // What an undo step puts back; raises EGenerationStopped as Commit does.
    void Restore(const std::vector<TParameter>& items);

    void Play(const std::string& name);
    void Stop();
    // The parameter playing; empty while none plays.
    const std::string& Playing() const { return FPlaying; }
    // One step of the parameter playing; play ends when no curve uses it any more, or
    // when the step's generation is stopped. Nothing while the curves are being
    // generated.
    void Tick();

private:
    const TParameters& Parameters() const;
    // Takes the value and the commit that waited for a generation to end.
    void TakeWaiting();

    TObjectList& FCurves;
    QUndoStack& FUndo;
    TWindow FWindow;
    std::string FPlaying;
    int FPlayDirection = 1;
    // The settings when play began.
    std::vector<TParameter> FPlayBefore;
    // Asked for while the curves were being generated.
    struct TWaitingValue {
        std::string Name;
        long double Value;
    };
    std::optional<TWaitingValue> FWaitingValue;
    struct TWaitingCommit {
        std::vector<TParameter> Before;
        std::vector<TParameter> Settings; // those the commit itself changed
    };
    std::optional<TWaitingCommit> FWaitingCommit;
};
