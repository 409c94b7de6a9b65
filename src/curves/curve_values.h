#pragma once

#include "curves/curve_record.h"

#include <cstdint>
#include <string>

// One curve by its values alone: what the curve explorer's fields hold and hand
// to the active graph window to compare with the current curve or to apply, and
// what a scene file keeps of each curve.
struct TEditorValues {
    int CurveType = 0; // a code of the curve type table, the index of the type list
    std::string Fx;
    std::string Fy;
    std::string Fz;
    bool Visible = true;
    long double Step = 0.1L;
    int Thickness = 1;
    int Style = 0; // 0 line, 1 points
    TColor Color = 0;

    bool operator==(const TEditorValues&) const = default;
};

// The values of a stored curve; a formula its type does not use gives an empty text.
TEditorValues EditorValuesOf(const TCurveRecord& curve);
