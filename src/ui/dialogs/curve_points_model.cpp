#include "ui/dialogs/curve_points_model.h"

#include "base/number_text.h"
#include "geometry/goruntu_matrisi.h"

#include <cmath>

namespace {
const char* const Headers[4] = { "Index", "X", "Y", "Z" };
}

TCurvePointsModel::TCurvePointsModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void TCurvePointsModel::SetPoints(const TGoruntuMatrisi* points)
{
    beginResetModel();
    FPoints = points;
    endResetModel();
}

int TCurvePointsModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    return FPoints ? FPoints->Count() : EmptyRows;
}

int TCurvePointsModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 4;
}

QString TCurvePointsModel::CellText(int row, int column) const
{
    if (!FPoints || row < 0 || row >= FPoints->Count() || column < 0 || column > 3)
        return {};
    if (column == 0)
        return QString::number(row + 1);
    const TSpacePoint& p = FPoints->SpacePoints(row);
    const long double value = column == 1 ? p.X : (column == 2 ? p.Y : p.Z);
    return QString::fromStdString(FloatToText(value));
}

QVariant TCurvePointsModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return CellText(index.row(), index.column());
}

QVariant TCurvePointsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return section >= 0 && section < 4 ? QVariant(Headers[section]) : QVariant();
    return {};
}

Qt::ItemFlags TCurvePointsModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

TCurveTotals CurveTotals(const TGoruntuMatrisi& points)
{
    TCurveTotals totals;
    const TSpacePoint* p = points.SpacePointData();
    for (int k = 0, n = points.Count(); k < n; ++k) {
        const long double c[3] = { p[k].X, p[k].Y, p[k].Z };
        for (int i = 0; i < 3; ++i) {
            totals.Sum[i] += c[i];
            totals.Abs[i] += std::fabs(c[i]);
        }
    }
    return totals;
}
