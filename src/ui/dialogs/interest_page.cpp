#include "ui/dialogs/interest_page.h"

#include "base/number_text.h"
#include "curves/points_of_interest.h"
#include "curves/object_list.h"
#include "ui/platform/error_report.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>
#include <set>

namespace {
QString number(long double v)
{
    return std::isfinite(v) ? QString::fromStdString(FloatToText(v)) : QString();
}

QTableWidget* grid(const QStringList& headers)
{
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
}

void addRow(QTableWidget* table, const QStringList& cells)
{
    const int row = table->rowCount();
    table->insertRow(row);
    for (int c = 0; c < cells.size(); ++c)
        table->setItem(row, c, new QTableWidgetItem(cells[c]));
}
}

TInterestPage::TInterestPage(QWidget* parent)
    : QWidget(parent)
{
    NoktalarGrid = grid({ tr("Nokta"), tr("Neyin"), tr("Değişken"), "x", "y", "z" });
    const int wide = NoktalarGrid->fontMetrics().horizontalAdvance("-0.00000000000000E-00") + 8;
    for (int c = 2; c < 6; ++c)
        NoktalarGrid->setColumnWidth(c, wide);
    OlculerGrid = grid({ tr("Ölçü"), tr("Değer"), tr("Hata Sınırı") });
    OlculerGrid->setColumnWidth(1, 2 * wide);
    OlculerGrid->setMaximumHeight(OlculerGrid->fontMetrics().height() * 6);
    MesajLabel = new QLabel;
    MesajLabel->setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(MesajLabel);
    layout->addWidget(NoktalarGrid, 1);
    layout->addWidget(OlculerGrid);
    for (QTableWidget* table : { NoktalarGrid, OlculerGrid })
        table->installEventFilter(this);
}

void TInterestPage::SetCurve(const TObjectList* curves, int index)
{
    FCurves = curves;
    FIndex = index;
    FStale = true;
    if (isVisible())
        Refresh();
}

void TInterestPage::Refresh()
{
    if (!FStale)
        return;
    FStale = false;
    Fill();
}

void TInterestPage::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    Guarded([this] { Refresh(); });
}

void TInterestPage::Fill()
{
    NoktalarGrid->setRowCount(0);
    OlculerGrid->setRowCount(0);
    MesajLabel->clear();
    MesajLabel->hide();
    if (FCurves == nullptr || FIndex < 0 || FIndex >= FCurves->Count())
        return;
    std::unique_ptr<TCurveInspection> inspection;
    std::vector<TPointOfInterest> points;
    try {
        inspection
            = std::make_unique<TCurveInspection>(FCurves->Items(FIndex), FCurves->Variables());
        points = CurveInterestPoints(*FCurves, FIndex);
    } catch (const ECurveInspectionError& e) {
        MesajLabel->setText(QString::fromStdString(e.Message()));
        MesajLabel->show();
        return;
    }
    const long double from = inspection->Start();
    const long double to = inspection->End();
    const char* axes[] = { "x", "y", "z" };
    for (const TPointOfInterest& p : points)
        addRow(NoktalarGrid,
            { QString::fromUtf8(InterestKindText(p.Kind)),
                p.Kind == ikIntersection ? tr("Eğri %1").arg(p.Of) : QString(axes[p.Of]),
                number(p.At), number(p.Point.X), number(p.Point.Y), number(p.Point.Z) });
    const auto measure = [this](const char* name, const TMeasure& m) {
        QString value = QString::fromStdString(m.ValueText());
        if (!m.Exact())
            value = value.isEmpty() ? tr("hesaplanamadı")
                                    : tr("≈ %1 (hata sınırı 15 basamağa yetmiyor)").arg(value);
        addRow(OlculerGrid, { tr(name), value, number(m.Error) });
    };
    measure(QT_TR_NOOP("Uzunluk"), inspection->Length(from, to));
    if (inspection->IsPlane())
        measure(QT_TR_NOOP("Alan"), inspection->Area(from, to));
}

QString TInterestPage::RowsText(const QTableWidget* table) const
{
    std::set<int> rows;
    for (const QModelIndex& index : table->selectionModel()->selectedIndexes())
        rows.insert(index.row());
    if (rows.empty())
        for (int r = 0; r < table->rowCount(); ++r)
            rows.insert(r);
    QStringList lines;
    QStringList header;
    for (int c = 0; c < table->columnCount(); ++c)
        header << table->horizontalHeaderItem(c)->text();
    lines << header.join('\t');
    for (const int r : rows) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        lines << cells.join('\t');
    }
    return lines.join('\n') + '\n';
}

bool TInterestPage::eventFilter(QObject* watched, QEvent* event)
{
    auto* table = qobject_cast<QTableWidget*>(watched);
    if (table != nullptr
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (event->type() == QEvent::KeyPress)
            QGuiApplication::clipboard()->setText(RowsText(table));
        event->accept();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}
