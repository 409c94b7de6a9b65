#pragma once

#include <QAbstractTableModel>

#include <array>

class TGoruntuMatrisi;

// The points of one curve as the numeric values grid shows them: a row per
// point with its number (from 1) and x, y, z in the general 15-digit form.
// Cells are made when the view asks for them, so a curve of millions of points
// opens at once. Without points the grid shows the empty rows it is created
// with.
class TCurvePointsModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int EmptyRows = 4;

    explicit TCurvePointsModel(QObject* parent = nullptr);

    // The list is not owned and must stay unchanged while it is shown; nullptr
    // shows the empty rows.
    void SetPoints(const TGoruntuMatrisi* points);
    const TGoruntuMatrisi* Points() const { return FPoints; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // The text of a cell; empty outside the points.
    QString CellText(int row, int column) const;

private:
    const TGoruntuMatrisi* FPoints = nullptr;
};

// The sums of the coordinates of a curve's points and of their absolute values,
// in extended precision: Sum[0..2] for x, y, z, Abs[0..2] likewise.
struct TCurveTotals {
    std::array<long double, 3> Sum {};
    std::array<long double, 3> Abs {};
};
TCurveTotals CurveTotals(const TGoruntuMatrisi& points);
