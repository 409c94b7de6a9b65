#pragma once

#include <QString>

#include <functional>
#include <string>
#include <vector>

class TGoruntuMatrisi;

// The points of the numeric values window handed on: as tab-separated text for the clipboard
// and as a CSV file (the formats of curves/point_table.h).

// The header row and the given rows (0-based point indexes, in the order given; none means
// every point), numbers in the user's notation, each row numbered as the grid numbers it.
QString PointTableClipboardText(const TGoruntuMatrisi* points, const std::vector<int>& rows);

// How a file export ended.
struct TPointTableExport {
    bool Written = false;
    bool Cancelled = false;
    QString Message; // the one message of a failure
};

// Writes every point as CSV to fileName, whole or not at all, after firstLine (the values of
// the curve's parameters, or empty): the rows go to a temporary file beside it that replaces
// the old file only when all are written. progress(done, total) is called
// after each piece of rows and cancels the export when it returns false, leaving the old file.
TPointTableExport ExportPointTable(const TGoruntuMatrisi& points, const QString& fileName,
    const std::function<bool(qint64 done, qint64 total)>& progress = {},
    const std::string& firstLine = {});
