#include "ui/dialogs/fhesapla_frm.h"

#include "base/number_text.h"
#include "ui/dialogs/dialog_help.h"
#include "ui/platform/dialog_keys.h"
#include "ui/platform/error_report.h"

#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace {

constexpr int GridRows = 10; // the header row and nine rows of variables

QLabel* makeLabel(QWidget* parent, const QString& text, int x, int y)
{
    auto* label = new QLabel(text, parent);
    label->move(x, y);
    label->adjustSize();
    return label;
}

QLineEdit* makeResultEdit(QWidget* parent, const QRect& geometry)
{
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(geometry);
    edit->setReadOnly(true);
    edit->setFrame(false);
    return edit;
}

} // namespace

TFHesaplaFrm::TFHesaplaFrm(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FHesaplaFrm"));
    setWindowTitle(tr("Fonksiyon Hesaplayıçısı"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(363, 209);
    QFont windowFont = font();
    windowFont.setPixelSize(11);
    setFont(windowFont);

    makeLabel(this, tr("Fonksiyon"), 7, 2);
    makeLabel(this, tr("Fonksiyon Ağacı"), 194, 45);
    makeLabel(this, tr("Sonuc"), 193, 85);

    FFonksiyonEdit = new QLineEdit(this);
    FFonksiyonEdit->setObjectName(QStringLiteral("FonksiyonEdit"));
    FFonksiyonEdit->setGeometry(7, 18, 174, 24);
    FFonksiyonEdit->installEventFilter(this);

    FAgacEdit = makeResultEdit(this, QRect(194, 62, 161, 22));
    FAgacEdit->setObjectName(QStringLiteral("AgacEdit"));
    FSonucEdit = makeResultEdit(this, QRect(194, 101, 160, 22));
    FSonucEdit->setObjectName(QStringLiteral("SonucEdit"));

    FHesaplaButton = new QPushButton(tr("Hesapla"), this);
    FHesaplaButton->setObjectName(QStringLiteral("HesaplaButton"));
    FHesaplaButton->setGeometry(195, 18, 160, 24);
    connect(FHesaplaButton, &QPushButton::clicked, this, &TFHesaplaFrm::HesaplaButtonClick);

    FStringGrid1 = new QTableWidget(GridRows - 1, 2, this);
    FStringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    FStringGrid1->setGeometry(7, 54, 178, 148);
    FStringGrid1->verticalHeader()->hide();
    FStringGrid1->verticalHeader()->setDefaultSectionSize(20);
    FStringGrid1->horizontalHeader()->setFixedHeight(20);
    FStringGrid1->horizontalHeader()->setSectionsClickable(false);
    FStringGrid1->horizontalHeader()->setHighlightSections(false);
    FStringGrid1->setColumnWidth(0, 56);
    FStringGrid1->setColumnWidth(1, 95);
    FStringGrid1->setShowGrid(true);
    FStringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    FStringGrid1->setEditTriggers(QAbstractItemView::AllEditTriggers);
    FStringGrid1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    FBtnKapan
        = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("&Kapat"), this);
    FBtnKapan->setObjectName(QStringLiteral("BtnKapan"));
    FBtnKapan->setGeometry(275, 132, 79, 26);
    connect(FBtnKapan, &QPushButton::clicked, this, &TFHesaplaFrm::BtnKapanClick);

    FBtnYardim
        = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Yardım"), this);
    FBtnYardim->setObjectName(QStringLiteral("BtnYardim"));
    FBtnYardim->setGeometry(276, 162, 79, 26);
    connect(FBtnYardim, &QPushButton::clicked, this, &TFHesaplaFrm::BtnYardimClick);

    setTabOrder(FFonksiyonEdit, FAgacEdit);
    setTabOrder(FAgacEdit, FSonucEdit);
    setTabOrder(FSonucEdit, FHesaplaButton);
    setTabOrder(FHesaplaButton, FStringGrid1);
    setTabOrder(FStringGrid1, FBtnKapan);
    setTabOrder(FBtnKapan, FBtnYardim);

    FormCreate();
}

void TFHesaplaFrm::FormCreate()
{
    FStringGrid1->setHorizontalHeaderLabels({ tr("Değişken"), tr("Değeri") });
    FFonksiyon.SetMemory(&FMemory);
}

bool TFHesaplaFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == FFonksiyonEdit && event->type() == QEvent::FocusIn)
        FonksiyonEditEnter();
    return QWidget::eventFilter(watched, event);
}

// A fixed single border: the frame around the window in the multiple-document
// area offers no maximise button and no resizing.
bool TFHesaplaFrm::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
        if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint
                | Qt::MSWindowsFixedSizeDialogHint);
    return QWidget::event(event);
}

void TFHesaplaFrm::FonksiyonEditEnter() { emit FonksiyonEditEntered(FFonksiyonEdit); }

void TFHesaplaFrm::HesaplaButtonClick()
{
    const QString text = FFonksiyonEdit->text();
    if (text.isEmpty())
        return;
    const std::string formula = text.toStdString();
    if (!FCompiled || FFonksiyon.GetText() != formula) {
        const bool compiled = Guarded([&] {
            FCompiled = false;
            FFonksiyon.SetText(formula);
            FCompiled = true;
            FAgacEdit->setText(QString::fromStdString(FFonksiyon.PostfixText()));
        });
        if (!compiled)
            return;
    }
    readGrid();
    Guarded([&] {
        const long double value = FFonksiyon.Evaluate();
        FSonucEdit->setText(QString::fromStdString(FloatToText(value)));
    });
}

// Rows from the first below the header until the first empty name: a value that
// does not read as a number leaves its variable as it was.
void TFHesaplaFrm::readGrid()
{
    for (int row = 0; row < FStringGrid1->rowCount(); ++row) {
        const QTableWidgetItem* nameCell = FStringGrid1->item(row, 0);
        const QString name = nameCell != nullptr ? nameCell->text() : QString();
        if (name.isEmpty())
            break;
        const QTableWidgetItem* valueCell = FStringGrid1->item(row, 1);
        const QString valueText = valueCell != nullptr ? valueCell->text().trimmed() : QString();
        long double value = 0;
        if (TryTextToFloat(valueText.toStdString(), value))
            FMemory.SetValue(name.toStdString(), value);
    }
}

void TFHesaplaFrm::BtnKapanClick()
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
        frame->close();
    else
        close();
}

void TFHesaplaFrm::BtnYardimClick() { ShowDialogHelp(HelpContext); }

// tr("&Kapat") is the window's cancel button: Escape presses it.
void TFHesaplaFrm::keyPressEvent(QKeyEvent* event)
{
    if (!AnswerDialogKey(
            event, [this] { BtnYardimClick(); }, FBtnKapan))
        QWidget::keyPressEvent(event);
}
