// The parameters of a graph window: live values while a slider moves, committed
// changes as undo steps, and play on the window's timer.
#include "ui/graph/curve_undo.h"
#include "ui/graph/grafik_mchild_frm.h"

#include <QTimer>
#include <QUndoStack>

#include <algorithm>

void TGrafikMChildFrm::SetParameterValue(const std::string& name, long double value)
{
    if (FDrawFunction.Objects().SetParameterValue(name, value) > 0) {
        UpdateInterestMarks();
        RedrawViews(false);
        // A trace marker stays on its sample, which moved.
        FReadout->CurveChanged(CurveIndex(), FFourView);
    }
    emit ParametersChanged();
}

void TGrafikMChildFrm::RestoreParameters(const std::vector<TParameter>& items)
{
    if (FDrawFunction.Objects().ApplyParameters(items) > 0) {
        UpdateInterestMarks();
        RedrawViews(false);
        FReadout->CurveChanged(CurveIndex(), FFourView);
    }
    emit ParametersChanged();
}

void TGrafikMChildFrm::CommitParameters(
    std::vector<TParameter> before, const std::vector<TParameter>& after)
{
    RestoreParameters(after);
    const std::vector<TParameter>& now = Parameters().Items();
    // Only the parameters the window has count, as they were and as they are.
    std::vector<TParameter> was;
    for (const TParameter& p : now) {
        const auto old = std::find_if(before.begin(), before.end(),
            [&](const TParameter& b) { return b.Name == p.Name; });
        was.push_back(old != before.end() ? *old : p);
    }
    if (was == now)
        return;
    FUndoStack->push(new TParameterEditCommand(QString::fromUtf8("Parametre"), std::move(was), now,
        [this](const std::vector<TParameter>& items) { RestoreParameters(items); }));
}

void TGrafikMChildFrm::PlayParameter(const std::string& name)
{
    if (FPlaying == name)
        return;
    StopPlaying();
    if (Parameters().Find(name) == nullptr)
        return;
    FPlaying = name;
    FPlayDirection = 1;
    FPlayBefore = Parameters().Items();
    SyncTimer();
    emit ParametersChanged();
}

void TGrafikMChildFrm::StopPlaying()
{
    if (FPlaying.empty())
        return;
    FPlaying.clear();
    SyncTimer();
    const std::vector<TParameter> before = std::move(FPlayBefore);
    FPlayBefore.clear();
    CommitParameters(before, Parameters().Items());
    emit ParametersChanged();
}

void TGrafikMChildFrm::PlayTick()
{
    const TParameter* p = Parameters().Find(FPlaying);
    if (p == nullptr) {
        // Its last curve went: there is nothing left to play.
        FPlaying.clear();
        FPlayBefore.clear();
        emit ParametersChanged();
        return;
    }
    const TParameterScale scale(*p);
    const int position = BouncedPosition(scale.PositionOf(p->Value), FPlayDirection, scale.Steps());
    const std::string name = FPlaying;
    if (FDrawFunction.Objects().SetParameterValue(name, scale.ValueAt(position)) > 0) {
        UpdateInterestMarks();
        emit ParametersChanged();
    }
}
