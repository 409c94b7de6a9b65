#pragma once

#include "render/color.h"

#include <cstdint>
#include <string>

// One curve as the curve explorer's fields hold it: what it hands to the active
// graph window to compare with the current curve or to apply.
struct TEditorValues {
    int CurveType = 0; // 0..6, the index of the type list
    std::string Fx;
    std::string Fy;
    std::string Fz;
    bool Visible = true;
    long double Step = 0.1L;
    int Thickness = 1;
    int Style = 0; // 0 line, 1 points
    TColor Color = 0;
};
