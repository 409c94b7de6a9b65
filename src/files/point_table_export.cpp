#include "files/point_table_export.h"

#include "curves/point_table.h"
#include "files/safe_file.h"
#include "geometry/goruntu_matrisi.h"

#include <QCoreApplication>
#include <QDir>
#include <QSaveFile>

#include <span>

namespace {
// Rows per piece: a few megabytes of text, written between two looks at the progress.
constexpr int PieceRows = 50000;

QString failure(const QString& fileName, const QString& reason)
{
    return QCoreApplication::translate("TOutputFile", "\"%1\" dosyası yazılamadı: %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}
}

QString PointTableClipboardText(const TGoruntuMatrisi* points, const std::vector<int>& rows)
{
    std::string text = PointTableHeader(TPointTableFormat::Tsv);
    if (points != nullptr) {
        const TSpacePoint* data = points->SpacePointData();
        if (rows.empty()) {
            AppendPointTableRows(text,
                std::span<const TSpacePoint>(data, std::size_t(points->Count())), 1,
                TPointTableFormat::Tsv);
        } else {
            for (int row : rows)
                if (row >= 0 && row < points->Count())
                    AppendPointTableRows(text, std::span<const TSpacePoint>(data + row, 1),
                        std::size_t(row) + 1, TPointTableFormat::Tsv);
        }
    }
    return QString::fromStdString(text);
}

TPointTableExport ExportPointTable(const TGoruntuMatrisi& points, const QString& fileName,
    const std::function<bool(qint64, qint64)>& progress, const std::string& firstLine)
{
    TPointTableExport result;
    TSafeFile file(fileName);
    if (!file.Open()) {
        result.Message = failure(fileName, file.ErrorString());
        return result;
    }
    const qint64 total = points.Count();
    std::string piece = firstLine + PointTableHeader(TPointTableFormat::Csv);
    piece.reserve(std::size_t(PieceRows) * 80);
    for (qint64 done = 0;;) {
        const qint64 count = std::min<qint64>(PieceRows, total - done);
        AppendPointTableRows(piece,
            std::span<const TSpacePoint>(points.SpacePointData() + done, std::size_t(count)),
            std::size_t(done) + 1, TPointTableFormat::Csv);
        if (file.Device().write(piece.data(), qint64(piece.size())) != qint64(piece.size())) {
            result.Message = failure(fileName, file.Device().errorString());
            return result;
        }
        piece.clear();
        done += count;
        if (progress && !progress(done, total)) {
            result.Cancelled = true; // the new file is left unwritten
            return result;
        }
        if (done >= total)
            break;
    }
    if (!file.Commit()) {
        result.Message = failure(fileName, file.ErrorString());
        return result;
    }
    result.Written = true;
    return result;
}
