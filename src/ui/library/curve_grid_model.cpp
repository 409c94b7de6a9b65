#include "ui/library/curve_grid_model.h"

#include "base/catalogue.h"
#include "ui/library/curve_table.h"
#include "ui/platform/error_report.h"

#include <QComboBox>
#include <QCoreApplication>

namespace {

const char* const fieldNames[] = { "aaaa", "FunctionX", "FunctionY", "FunctionZ", "Comment" };

// A type's name as the library holds it (in Turkish), in the language the program speaks.
QString shownTypeName(const QString& name)
{
    const QByteArray text = name.toUtf8();
    return QString::fromUtf8(Localized(text.constData()));
}

} // namespace

TCurveGridModel::TCurveGridModel(TCurveTable& table, QObject* parent)
    : QAbstractTableModel(parent)
    , FTable(table)
{
    connect(&FTable, &TCurveTable::DataChange, this, &TCurveGridModel::TableDataChange);
    connect(&FTable, &TCurveTable::StateChange, this, [this] {
        if (FTable.RecNo() >= 0)
            emit headerDataChanged(Qt::Vertical, FTable.RecNo(), FTable.RecNo());
    });
    connect(&FTable, &TCurveTable::AfterScroll, this,
        [this] { emit headerDataChanged(Qt::Vertical, 0, std::max(0, rowCount() - 1)); });
}

void TCurveGridModel::TableDataChange(int row)
{
    if (row < 0 || row >= rowCount()) {
        beginResetModel();
        endResetModel();
        return;
    }
    emit dataChanged(index(row, 0), index(row, gcCount - 1));
    emit headerDataChanged(Qt::Vertical, row, row);
}

int TCurveGridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : FTable.RecordCount();
}

int TCurveGridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : gcCount;
}

QVariant TCurveGridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= FTable.RecordCount())
        return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole)
        return {};
    const TCurveRow& row = FTable.Rows(index.row());
    switch (index.column()) {
    case gcLookup:
        if (role == Qt::EditRole)
            return row.Type ? QVariant(*row.Type) : QVariant();
        return shownTypeName(FTable.LookupTypeName(row.Type));
    case gcFunctionX:
        return row.FunctionX;
    case gcFunctionY:
        return row.FunctionY;
    case gcFunctionZ:
        return row.FunctionZ;
    case gcComment:
        return row.Comment;
    }
    return {};
}

QVariant TCurveGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal) {
        switch (section) {
        case gcLookup:
            return QCoreApplication::translate("TCurveGridModel", "Eğri Türü");
        case gcComment:
            return QCoreApplication::translate("TCurveGridModel", "Açıklama");
        default:
            return QString::fromLatin1(fieldNames[section]);
        }
    }
    // The indicator column: the current row, and whether it is edited or new.
    if (section != FTable.RecNo())
        return QString();
    switch (FTable.State()) {
    case dsEdit:
        return QStringLiteral("✎");
    case dsInsert:
        return QStringLiteral("*");
    default:
        return QStringLiteral("▶");
    }
}

Qt::ItemFlags TCurveGridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool TCurveGridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.row() >= FTable.RecordCount())
        return false;
    const QString field = index.column() == gcLookup
        ? QStringLiteral("Type")
        : QString::fromLatin1(fieldNames[index.column()]);
    bool done = false;
    Guarded([&] {
        if (FTable.RecNo() != index.row())
            FTable.MoveTo(index.row());
        if (FTable.RecNo() != index.row())
            return;
        if (FTable.FieldValue(field) == value && !(index.column() == gcLookup && value.isNull()))
            return;
        if (FTable.State() == dsBrowse)
            FTable.Edit();
        FTable.SetFieldValue(field, value);
        done = true;
    });
    return done;
}

TTypeLookupDelegate::TTypeLookupDelegate(TCurveTable& table, QObject* parent)
    : QStyledItemDelegate(parent)
    , FTable(table)
{
}

QWidget* TTypeLookupDelegate::createEditor(
    QWidget* parent, const QStyleOptionViewItem&, const QModelIndex&) const
{
    auto* combo = new QComboBox(parent);
    for (const TCurveTypeName& t : FTable.Types())
        combo->addItem(shownTypeName(t.TypeName), t.Type);
    auto* self = const_cast<TTypeLookupDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] {
        emit self->commitData(combo);
        emit self->closeEditor(combo);
    });
    return combo;
}

void TTypeLookupDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* combo = static_cast<QComboBox*>(editor);
    combo->setCurrentIndex(combo->findData(index.data(Qt::EditRole)));
}

void TTypeLookupDelegate::setModelData(
    QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    auto* combo = static_cast<QComboBox*>(editor);
    if (combo->currentIndex() >= 0)
        model->setData(index, combo->currentData(), Qt::EditRole);
}
