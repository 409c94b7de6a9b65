#pragma once

#include "curves/parameters.h"
#include "geometry/goruntu_matrisi.h"
#include "geometry/space_point.h"

#include <span>
#include <string>
#include <vector>

// The points of one curve as a text table, one row per generated point in list
// order, for other programs to read:
// - Csv: comma-separated values after RFC 4180: the header row "n,x,y,z", then
//   the point number from 1 and the x, y, z coordinates in the general form with
//   15 significant digits and the point as decimal separator ("-9.9", "1.5E-7"),
//   whatever the user's separator is; every row ends with CR LF. No field needs
//   quoting, since a number holds no comma, quote or line break.
// - Tsv: tab-separated, the same header and columns with tabs between them, the
//   numbers with the user's decimal separator (as the numeric values window shows
//   them), every row ending with LF; meant for pasting into a spreadsheet.
enum class TPointTableFormat { Csv, Tsv };

// The line a table of a curve with parameters starts with, before the header:
// "# k = 2; m = 0.5", the values its points were generated at, in the form of
// the format's numbers, with its line end; empty for no names.
std::string PointTableParameterLine(
    const TParameters& parameters, const std::vector<std::string>& names, TPointTableFormat format);

// The header row with its line end.
std::string PointTableHeader(TPointTableFormat format);
// The rows of the points, numbered from firstNumber on, appended to out; a table
// written piece by piece is the whole table's text.
void AppendPointTableRows(std::string& out, std::span<const TSpacePoint> points,
    std::size_t firstNumber, TPointTableFormat format);

// The whole table, header included; no points give the header row alone.
std::string PointTableText(std::span<const TSpacePoint> points, TPointTableFormat format);
std::string PointTableText(const TGoruntuMatrisi& points, TPointTableFormat format);
