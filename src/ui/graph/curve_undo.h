#pragma once

#include "curves/curve_values.h"
#include "curves/parameters.h"
#include "ui/graph/curve_editing.h"

#include <QUndoCommand>
#include <QUndoStack>

#include <functional>
#include <vector>

// A graph window's curves by their values, with the current curve and its state:
// what an undo step puts back.
struct TCurveSnapshot {
    std::vector<TEditorValues> Curves;
    int CurveIndex = -1;
    TObjectMode State = omAppend;
    std::vector<TParameter> Parameters;

    bool operator==(const TCurveSnapshot&) const = default;
};

// An undo step whose putting back may be stopped ("Vazgeç" on a long generation):
// its restore then raises EGenerationStopped with everything as it was, and
// UndoStep and RedoStep leave the stack where it was.
class TStoppableCommand : public QUndoCommand {
public:
    using QUndoCommand::QUndoCommand;

protected:
    // Runs restore unless the step is being kept where it was; notes a stop.
    void Run(const std::function<void()>& restore);

private:
    friend void UndoStep(QUndoStack& stack);
    friend void RedoStep(QUndoStack& stack);
    bool FStopped = false;
    bool FKeeping = false;
};

// Undo and redo of a stack of stoppable steps: a step stopped stays where it was,
// as does the stack's clean state.
void UndoStep(QUndoStack& stack);
void RedoStep(QUndoStack& stack);

// One curve edit of a graph window (an apply, a delete, a delete of all): undo
// puts the curves back as they were before it, redo as they were after it.
class TCurveEditCommand : public TStoppableCommand {
public:
    using TRestore = std::function<void(const TCurveSnapshot&)>;
    TCurveEditCommand(
        const QString& text, TCurveSnapshot before, TCurveSnapshot after, TRestore restore);

    void undo() override;
    // The edit itself has been made when the command is pushed: the first redo
    // does nothing.
    void redo() override;

private:
    TCurveSnapshot FBefore;
    TCurveSnapshot FAfter;
    TRestore FRestore;
    bool FDone = true;
};

// One committed change of a graph window's parameters: undo and redo put their
// settings back as they were before and after it.
class TParameterEditCommand : public TStoppableCommand {
public:
    using TRestore = std::function<void(const std::vector<TParameter>&)>;
    TParameterEditCommand(const QString& text, std::vector<TParameter> before,
        std::vector<TParameter> after, TRestore restore);

    void undo() override;
    void redo() override;

private:
    std::vector<TParameter> FBefore;
    std::vector<TParameter> FAfter;
    TRestore FRestore;
    bool FDone = true;
};

class TObjectList;

// The snapshot of a list and its editing state.
TCurveSnapshot TakeCurveSnapshot(const TObjectList& list, const TCurveEditing& editing);
// Makes the list hold exactly the snapshot's curves, keeping the curves in front
// that already equal it and editing in place a single curve that differs, so only
// what changed is compiled and generated again.
void RestoreCurveList(TObjectList& list, const TCurveSnapshot& snapshot);
