#pragma once

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

class TCurveTable;

// The rows of a curve table as a grid: the lookup column "Eğri Türü", the three
// formulas and the comment. Editing a cell edits the table's current row (moving
// to the row first, which posts an edit pending elsewhere); the lookup column
// takes a Type value.
class TCurveGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum TColumn { gcLookup, gcFunctionX, gcFunctionY, gcFunctionZ, gcComment, gcCount };

    explicit TCurveGridModel(TCurveTable& table, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

private:
    void TableDataChange(int row);

    TCurveTable& FTable;
};

// The editor of the lookup column: a drop-down list of the type names of
// CLTypes.DB; a choice is written to the row at once.
class TTypeLookupDelegate : public QStyledItemDelegate {
    Q_OBJECT

public:
    TTypeLookupDelegate(TCurveTable& table, QObject* parent = nullptr);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
        const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(
        QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;

private:
    TCurveTable& FTable;
};
