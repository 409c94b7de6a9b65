#pragma once

#include "curves/curve_values.h"

#include <optional>
#include <string>
#include <string_view>

// One curve given on the command line:
//   curve := item (";" item)*      item := key "=" value   (split at the first "=")
//   key   := type | fx | fy | fz | step | color | style | thickness | visible
// type a code of the curve type table, step a number with either decimal
// separator, color a name of the colour lists or #rrggbb, style line|points,
// thickness 1..20, visible 0|1. A key not given takes the explorer's value for a
// new curve of that type (step 0.1, the type's thickness, olive, line, visible);
// a formula the type does not use may be left out and is ignored. Formula
// numbers written with the other decimal separator take the current one.
//
// number counts the curve from 1 for the messages ("curve 2 step: ..."):
// ECommandError ecUsage for an unknown or repeated key, an item without "=" or
// a formula the type needs but the text lacks; ecRefused for a value that does
// not read or lies outside its range.
TEditorValues ParseCurveOption(std::string_view text, int number);

// A colour by name of the colour lists ("Kırmızı", any letter case) or #rrggbb;
// nothing for anything else.
std::optional<TColor> ParseColor(std::string_view text);

// A number written with the point or with the current decimal separator.
bool ReadNumber(std::string_view text, long double& value);
