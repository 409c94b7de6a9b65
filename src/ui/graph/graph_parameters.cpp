#include "ui/graph/graph_parameters.h"

#include "curves/object_list.h"
#include "ui/graph/curve_undo.h"

#include <QUndoStack>

#include <algorithm>

TGraphParameters::TGraphParameters(TObjectList& curves, QUndoStack& undo, TWindow window)
    : FCurves(curves)
    , FUndo(undo)
    , FWindow(std::move(window))
{
}

const TParameters& TGraphParameters::Parameters() const { return FCurves.Parameters(); }

void TGraphParameters::SetValue(const std::string& name, long double value)
{
    FWaitingValue = TWaitingValue { name, value };
    if (!FCurves.Generating())
        TakeWaiting();
}

void TGraphParameters::TakeWaiting()
{
    while (FWaitingValue) {
        const TWaitingValue next = std::move(*FWaitingValue);
        FWaitingValue.reset();
        try {
            if (FCurves.SetParameterValue(next.Name, next.Value) > 0)
                FWindow.Moved(true);
        } catch (const EGenerationStopped&) {
            // The values are as before; a move that waited goes with the one stopped.
            FWaitingValue.reset();
        }
        FWindow.Changed();
    }
    if (FWaitingCommit) {
        TWaitingCommit commit = std::move(*FWaitingCommit);
        FWaitingCommit.reset();
        std::vector<TParameter> after = Parameters().Items();
        for (const TParameter& p : commit.Settings)
            for (TParameter& reached : after)
                if (reached.Name == p.Name)
                    reached = p;
        Commit(std::move(commit.Before), after);
    }
}

void TGraphParameters::Restore(const std::vector<TParameter>& items)
{
    try {
        if (FCurves.ApplyParameters(items) > 0)
            FWindow.Moved(true);
    } catch (const EGenerationStopped&) {
        FWindow.Changed();
        throw;
    }
    FWindow.Changed();
}

void TGraphParameters::Commit(std::vector<TParameter> before, const std::vector<TParameter>& after)
{
    if (FCurves.Generating()) {
        // The values go on to those reached when the generation ends; the settings
        // this commit changes itself are kept.
        if (!FWaitingCommit)
            FWaitingCommit = TWaitingCommit { std::move(before), {} };
        for (const TParameter& p : after)
            if (const TParameter* now = Parameters().Find(p.Name); now && !(*now == p))
                FWaitingCommit->Settings.push_back(p);
        return;
    }
    Restore(after);
    const std::vector<TParameter>& now = Parameters().Items();
    // Only the parameters the window has count, as they were and as they are.
    std::vector<TParameter> was;
    for (const TParameter& p : now) {
        const auto old = std::find_if(
            before.begin(), before.end(), [&](const TParameter& b) { return b.Name == p.Name; });
        was.push_back(old != before.end() ? *old : p);
    }
    if (was != now)
        FUndo.push(new TParameterEditCommand(QString::fromUtf8("Parametre"), std::move(was), now,
            [this](const std::vector<TParameter>& items) { Restore(items); }));
    TakeWaiting();
}

void TGraphParameters::Play(const std::string& name)
{
    if (FPlaying == name)
        return;
    Stop();
    if (Parameters().Find(name) == nullptr)
        return;
    FPlaying = name;
    FPlayDirection = 1;
    FPlayBefore = Parameters().Items();
    FWindow.PlayingChanged();
    FWindow.Changed();
}

void TGraphParameters::Stop()
{
    if (FPlaying.empty())
        return;
    FPlaying.clear();
    FWindow.PlayingChanged();
    std::vector<TParameter> before = std::move(FPlayBefore);
    FPlayBefore.clear();
    Commit(std::move(before), Parameters().Items());
    FWindow.Changed();
}

void TGraphParameters::Tick()
{
    if (FCurves.Generating())
        return;
    const TParameter* p = Parameters().Find(FPlaying);
    if (p == nullptr) {
        // Its last curve went: there is nothing left to play.
        FPlaying.clear();
        FPlayBefore.clear();
        FWindow.Changed();
        return;
    }
    const TParameterScale scale(*p);
    const int position = BouncedPosition(scale.PositionOf(p->Value), FPlayDirection, scale.Steps());
    const std::string name = FPlaying;
    try {
        if (FCurves.SetParameterValue(name, scale.ValueAt(position)) > 0) {
            FWindow.Moved(false);
            FWindow.Changed();
        }
    } catch (const EGenerationStopped&) {
        // "Vazgeç" during play stops it at the step before.
        Stop();
        return;
    }
    TakeWaiting();
}
