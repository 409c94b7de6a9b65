#pragma once

#include <string>
#include <string_view>

// A formula text written where the other decimal separator was in use ("4.5*sin(a)"
// stored under the point, read under the comma, or the reverse) made readable under
// the current one. Every run of characters between delimiters that reads as a number
// once its other separator is replaced by the current one is rewritten so; everything
// else (operators, names, blanks, runs that are not numbers either way) is kept byte
// for byte. The language has no other use for a comma (every function takes one
// argument), so the rewrite never changes what a formula means.
//
// Use it where a stored formula text enters a window or the explorer (library rows,
// scene files); the stored text itself stays as it was written.
std::string WithCurrentDecimalSeparator(std::string_view formula);

// The inverse for files that always hold the point: every run between delimiters
// that reads as a number under the current separator written with "." instead. A
// run without a digit (a lone separator) is kept as it is, as the reader above keeps
// it, so that what is written reads back as the same formula.
std::string WithDecimalPoint(std::string_view formula);
