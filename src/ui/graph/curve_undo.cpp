#include "ui/graph/curve_undo.h"

#include "curves/object_list.h"

void TStoppableCommand::Run(const std::function<void()>& restore)
{
    FStopped = false;
    if (FKeeping)
        return;
    try {
        restore();
    } catch (const EGenerationStopped&) {
        FStopped = true;
    }
}

namespace {
TStoppableCommand* stoppable(QUndoStack& stack, int index)
{
    return dynamic_cast<TStoppableCommand*>(const_cast<QUndoCommand*>(stack.command(index)));
}
}

// The stack moves its index whatever the step did: a step stopped is passed back
// over without being run again.
void UndoStep(QUndoStack& stack)
{
    TStoppableCommand* step = stoppable(stack, stack.index() - 1);
    stack.undo();
    if (step && step->FStopped) {
        step->FKeeping = true;
        stack.redo();
        step->FKeeping = false;
    }
}

void RedoStep(QUndoStack& stack)
{
    TStoppableCommand* step = stoppable(stack, stack.index());
    stack.redo();
    if (step && step->FStopped) {
        step->FKeeping = true;
        stack.undo();
        step->FKeeping = false;
    }
}

TCurveEditCommand::TCurveEditCommand(
    const QString& text, TCurveSnapshot before, TCurveSnapshot after, TRestore restore)
    : TStoppableCommand(text)
    , FBefore(std::move(before))
    , FAfter(std::move(after))
    , FRestore(std::move(restore))
{
}

void TCurveEditCommand::undo()
{
    Run([this] { FRestore(FBefore); });
}

void TCurveEditCommand::redo()
{
    if (FDone) {
        FDone = false;
        return;
    }
    Run([this] { FRestore(FAfter); });
}

TParameterEditCommand::TParameterEditCommand(const QString& text, std::vector<TParameter> before,
    std::vector<TParameter> after, TRestore restore)
    : TStoppableCommand(text)
    , FBefore(std::move(before))
    , FAfter(std::move(after))
    , FRestore(std::move(restore))
{
}

void TParameterEditCommand::undo()
{
    Run([this] { FRestore(FBefore); });
}

void TParameterEditCommand::redo()
{
    if (FDone) {
        FDone = false;
        return;
    }
    Run([this] { FRestore(FAfter); });
}

TCurveSnapshot TakeCurveSnapshot(const TObjectList& list, const TCurveEditing& editing)
{
    TCurveSnapshot s;
    for (int i = 0; i < list.Count(); ++i)
        s.Curves.push_back(EditorValuesOf(list.Items(i)));
    s.CurveIndex = editing.CurveIndex();
    s.State = editing.State();
    s.Parameters = list.Parameters().Items();
    return s;
}

void RestoreCurveList(TObjectList& list, const TCurveSnapshot& snapshot)
{
    const std::vector<TEditorValues>& wanted = snapshot.Curves;
    const int n = static_cast<int>(wanted.size());
    int same = 0;
    while (same < n && same < list.Count()
        && EditorValuesOf(list.Items(same)) == wanted[static_cast<std::size_t>(same)])
        ++same;
    if (same == n && list.Count() == n)
        return;
    // One curve that differs among equal ones is edited in place.
    if (list.Count() == n) {
        bool restEqual = true;
        for (int i = same + 1; i < n && restEqual; ++i)
            restEqual = EditorValuesOf(list.Items(i)) == wanted[static_cast<std::size_t>(i)];
        if (restEqual) {
            const TEditorValues& c = wanted[static_cast<std::size_t>(same)];
            list.Edit(same, c.CurveType, c.Fx, c.Fy, c.Fz, c.Color,
                static_cast<std::uint8_t>(c.Style), c.Thickness, c.Step, c.Visible);
            return;
        }
    }
    while (list.Count() > same)
        list.Delete(list.Count() - 1);
    for (int i = same; i < n; ++i)
        AppendCurve(list, wanted[static_cast<std::size_t>(i)]);
}
