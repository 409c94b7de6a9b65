#pragma once

#include "curves/curve_record.h"
#include "ui/graph/editor_values.h"

#include <cstdint>
#include <string>

class TObjectList;

// The editing state of a graph window's current curve.
enum TObjectMode : std::uint8_t { omNone, omEdit, omAppend };

// Which of the curve explorer's buttons the current curve allows.
struct TCurveButtons {
    bool First = false;
    bool Prior = false;
    bool Next = false;
    bool Last = false;
    bool Remove = false;
    bool RemoveAll = false;
};

// The current curve of a graph window's list and whether the explorer holds
// changes to it or a new curve; the window redraws and reports around it.
class TCurveEditing {
public:
    explicit TCurveEditing(TObjectList& list)
        : FList(list)
    {
    }

    int CurveIndex() const { return FCurveIndex; }
    TObjectMode State() const { return FState; }
    // A copy sharing the list's formulas and points; after the list was
    // emptied it names none (a curve without formulas).
    const TCurveRecord& CurrentCurve() const { return FCurrentCurve; }

    bool IsCurveChanged(const TEditorValues& values) const;
    // Enters omEdit unless a new curve is being entered.
    void MarkCurveChanged();
    // Edits the current curve or appends a new one; raises what the list
    // raises, the state then unchanged.
    void ApplyCurve(const TEditorValues& values);
    void NewCurve();
    // After the list was filled anew: index becomes current, or a new curve is
    // entered for an index outside the list.
    void Reset(int index);
    // After an undo step put the list back: the index it had, in omNone (a pending
    // change is not kept); a new curve being entered becomes the last curve, and an
    // empty list enters a new curve.
    void Restore(int index, TObjectMode state);
    // Each returns false when it did nothing.
    bool FirstCurve();
    bool PriorCurve();
    bool NextCurve();
    bool LastCurve();
    bool RemoveCurve();
    bool RemoveAllCurves();

    // "  (Yeni Eğri)", "  (2/5)" or, after MarkCurveChanged, "  (2/5) Değisiklik".
    std::string StatusText() const;
    std::string ChangedStatusText() const;
    TCurveButtons Buttons() const;

private:
    void TakeCurrent();

    TObjectList& FList;
    int FCurveIndex = -1;
    TObjectMode FState = omAppend;
    TCurveRecord FCurrentCurve { nullptr, nullptr, nullptr, nullptr, 0, 0, 0, false, 0, 0 };
};
