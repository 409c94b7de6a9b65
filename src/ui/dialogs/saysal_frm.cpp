#include "ui/dialogs/saysal_frm.h"

#include "base/catalogue.h"
#include "base/number_text.h"
#include "curves/object_list.h"
#include "curves/point_table.h"
#include "files/point_table_export.h"
#include "geometry/goruntu_matrisi.h"
#include "render/draw_function.h"
#include "ui/dialogs/curve_points_model.h"
#include "ui/dialogs/dialog_help.h"
#include "ui/dialogs/interest_page.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/platform/dialog_keys.h"
#include "ui/platform/error_report.h"
#include "ui/platform/image.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {
// A used formula is the curve's own; an unused one the type's fixed text.
QString formulaText(const TFormulaSlot& slot, const TFonksiyon* formula)
{
    if (!slot.Used)
        return QString::fromUtf8(slot.ValuesText);
    return formula ? QString::fromStdString(formula->GetText()) : QString();
}

QString floatText(long double value) { return QString::fromStdString(FloatToText(value)); }

QLineEdit* readOnlyEdit()
{
    auto* edit = new QLineEdit;
    edit->setReadOnly(true);
    return edit;
}

QToolButton* navigationButton(QStyle::StandardPixmap icon, const QString& hint)
{
    auto* button = new QToolButton;
    button->setAutoRaise(true);
    button->setIcon(QApplication::style()->standardIcon(icon));
    button->setToolTip(hint);
    return button;
}
}

TSaysalFrm::TSaysalFrm(QWidget* parent)
    : QDialog(parent)
    , FPreview(std::make_unique<TDrawFunction>())
{
    setWindowTitle(tr("Sayısal Değerler"));
    CreateControls();
    resize(ClientWidth, ClientHeight);

    FPreview->SetSize(PreviewWidth, PreviewHeight);
    FPreview->SetX0(PreviewWidth / 2);
    FPreview->SetY0(PreviewHeight / 2);
    FPreview->SetBrushColor(QColorToColor(palette().color(QPalette::Button)));
    FPreview->SetZoom(PreviewZoom);
}

TSaysalFrm::~TSaysalFrm() = default;

void TSaysalFrm::CreateControls()
{
    EgriNoEdit = new TSpinEdit;
    EgriNoEdit->SetMinValue(1);
    ilkEgriButton = navigationButton(QStyle::SP_MediaSkipBackward, tr("İlk Eğri"));
    OncekiButton = navigationButton(QStyle::SP_MediaSeekBackward, tr("Önceki"));
    SonrakiButton = navigationButton(QStyle::SP_MediaSeekForward, tr("Sonraki"));
    SonEgriButton = navigationButton(QStyle::SP_MediaSkipForward, tr("Son  Eğri"));

    EgriTypeEdit = readOnlyEdit();
    fxEdit = readOnlyEdit();
    fyEdit = readOnlyEdit();
    fzEdit = readOnlyEdit();
    NoktaAraligiEdit = readOnlyEdit();
    auto* curveGroup = new QGroupBox(tr(" Eğrinin Özellikleri "));
    auto* curveForm = new QFormLayout(curveGroup);
    curveForm->addRow(tr("Türü"), EgriTypeEdit);
    curveForm->addRow("fx:", fxEdit);
    curveForm->addRow("fy:", fyEdit);
    curveForm->addRow("fz:", fzEdit);
    curveForm->addRow(tr("Nokta Aralıgı"), NoktaAraligiEdit);

    Image1 = new TImage;
    Image1->setFixedSize(PreviewWidth, PreviewHeight);
    EgriNoEdit->setFixedWidth(EgriNoEdit->fontMetrics().horizontalAdvance("00000000") + 24);
    auto* navigation = new QHBoxLayout;
    navigation->addWidget(new QLabel(tr("Eğri No:")));
    navigation->addWidget(EgriNoEdit);
    navigation->addStretch();
    for (QToolButton* button : { ilkEgriButton, OncekiButton, SonrakiButton, SonEgriButton })
        navigation->addWidget(button);
    auto* right = new QVBoxLayout;
    right->addLayout(navigation);
    right->addWidget(Image1);
    right->addStretch();

    FPointsModel = new TCurvePointsModel(this);
    StringGrid1 = new QTableView;
    StringGrid1->setModel(FPointsModel);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->hide();
    // Rows of one height let the view place any of millions of rows at once.
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(StringGrid1->fontMetrics().height() + 6);
    StringGrid1->horizontalHeader()->setSectionsMovable(true);
    StringGrid1->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    // The design widths, widened where the font would cut a 15-digit number.
    const int number = StringGrid1->fontMetrics().horizontalAdvance("-0.00000000000000E-00") + 8;
    const int widths[4]
        = { 64, std::max(121, number), std::max(120, number), std::max(120, number) };
    for (int c = 0; c < 4; ++c)
        StringGrid1->setColumnWidth(c, widths[c]);
    StringGrid1->setMinimumWidth(widths[0] + widths[1] + widths[2] + widths[3]
        + StringGrid1->style()->pixelMetric(QStyle::PM_ScrollBarExtent)
        + 2 * StringGrid1->frameWidth());

    TEditX = readOnlyEdit();
    TEditY = readOnlyEdit();
    TEditZ = readOnlyEdit();
    MTEditX = readOnlyEdit();
    MTEditY = readOnlyEdit();
    MTEditZ = readOnlyEdit();
    auto* totals = new QGridLayout;
    totals->addWidget(new QLabel(tr("Toplam")), 0, 0);
    totals->addWidget(new QLabel(tr("Mutlak\nToplam")), 1, 0);
    QLineEdit* sums[3] = { TEditX, TEditY, TEditZ };
    QLineEdit* absSums[3] = { MTEditX, MTEditY, MTEditZ };
    for (int i = 0; i < 3; ++i) {
        // A hidden total keeps its place, so the others stay under their columns.
        for (QLineEdit* edit : { sums[i], absSums[i] }) {
            QSizePolicy policy = edit->sizePolicy();
            policy.setRetainSizeWhenHidden(true);
            edit->setSizePolicy(policy);
        }
        totals->addWidget(sums[i], 0, i + 1);
        totals->addWidget(absSums[i], 1, i + 1);
        totals->setColumnStretch(i + 1, 1);
    }

    BtnKapan = new QPushButton(style()->standardIcon(QStyle::SP_DialogCloseButton), tr("&Kapat"));
    BtnKapan->setToolTip(tr("Formu kapatmak için butona basın"));
    BtnYardim = new QPushButton(style()->standardIcon(QStyle::SP_DialogHelpButton), tr("&Yardım"));
    DisaAktarButton = new QPushButton(tr("Dışa Aktar..."));
    DisaAktarButton->setToolTip(tr("Eğrinin bütün noktalarını bir CSV dosyasına yazar"));
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(DisaAktarButton);
    buttons->addStretch();
    buttons->addWidget(BtnKapan);
    buttons->addWidget(BtnYardim);

    auto* top = new QHBoxLayout;
    top->addWidget(curveGroup, 1);
    top->addLayout(right);
    // The points on the first page, the points of interest and measures on the second.
    auto* pointsPage = new QWidget;
    auto* pointsLayout = new QVBoxLayout(pointsPage);
    pointsLayout->setContentsMargins(0, 0, 0, 0);
    pointsLayout->addWidget(StringGrid1, 1);
    pointsLayout->addLayout(totals);
    OnemliNoktalarPage = new TInterestPage;
    SayfaTab = new QTabWidget;
    SayfaTab->addTab(pointsPage, tr("Noktalar"));
    SayfaTab->addTab(OnemliNoktalarPage, tr("Önemli Noktalar"));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(SayfaTab, 1);
    layout->addLayout(buttons);

    connect(EgriNoEdit, &QSpinBox::valueChanged, this,
        [this] { Guarded([this] { EgriNoEditChange(); }); });
    const auto guarded = [this](void (TSaysalFrm::*handler)()) {
        return [this, handler] { Guarded([&] { (this->*handler)(); }); };
    };
    connect(ilkEgriButton, &QToolButton::clicked, this, guarded(&TSaysalFrm::ilkEgriButtonClick));
    connect(OncekiButton, &QToolButton::clicked, this, guarded(&TSaysalFrm::OncekiButtonClick));
    connect(SonrakiButton, &QToolButton::clicked, this, guarded(&TSaysalFrm::SonrakiButtonClick));
    connect(SonEgriButton, &QToolButton::clicked, this, guarded(&TSaysalFrm::SonEgriButtonClick));
    connect(BtnKapan, &QPushButton::clicked, this, &QDialog::reject);
    connect(BtnYardim, &QPushButton::clicked, this, guarded(&TSaysalFrm::BtnYardimClick));
    connect(
        DisaAktarButton, &QPushButton::clicked, this, guarded(&TSaysalFrm::DisaAktarButtonClick));
    // The grid's own copy takes only the current cell.
    StringGrid1->installEventFilter(this);
    connect(Image1, &TImage::MouseDown, this,
        [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            Guarded([&] { Image1MouseDown(b, x, y); });
        });
    connect(Image1, &TImage::MouseMove, this,
        [this](Qt::MouseButtons b, Qt::KeyboardModifiers, int x, int y) {
            Guarded([&] { Image1MouseMove(b, x, y); });
        });
    connect(Image1, &TImage::MouseUp, this,
        [this](Qt::MouseButton b, Qt::KeyboardModifiers, int x, int y) {
            Guarded([&] { Image1MouseUp(b, x, y); });
        });
}

void TSaysalFrm::SetCurves(const TObjectList* curves, int curveNo)
{
    // The window shows its first curve in FormShow, not once per setting here.
    const QSignalBlocker blocker(EgriNoEdit);
    FCurves = curves;
    EgriNoEdit->SetMaxValue(CurveCount());
    EgriNoEdit->SetValue(curveNo);
}

int TSaysalFrm::CurveCount() const { return FCurves ? FCurves->Count() : 0; }

void TSaysalFrm::ShowCurve(int n)
{
    const int count = CurveCount();
    ilkEgriButton->setEnabled(n != 1);
    OncekiButton->setEnabled(n != 1);
    SonrakiButton->setEnabled(n != count);
    SonEgriButton->setEnabled(n != count);
    if (n < 1 || n > count)
        return;

    const TCurveRecord curve = FCurves->Items(n - 1);
    FShownCurve = n;
    FPointsModel->SetPoints(curve.Points);
    OnemliNoktalarPage->SetCurve(FCurves, n - 1);
    // The points are those at the parameters' present values, which the caption names.
    if (FOwnCaption.isEmpty())
        FOwnCaption = windowTitle();
    const std::string values
        = ParameterValuesText(FCurves->Parameters(), FCurves->CurveParameters(n - 1));
    setWindowTitle(
        values.empty() ? FOwnCaption : FOwnCaption + " — " + QString::fromStdString(values));
    const TCurveTotals totals = curve.Points ? CurveTotals(*curve.Points) : TCurveTotals {};

    const TCurveTypeRow& type = CurveTypes[IsCurveType(curve.CurveType) ? curve.CurveType : 0];
    EgriTypeEdit->setText(QString::fromUtf8(Localized(type.ValuesCaption)));
    fxEdit->setText(formulaText(type.Formulas[0], curve.Fx));
    fyEdit->setText(formulaText(type.Formulas[1], curve.Fy));
    fzEdit->setText(formulaText(type.Formulas[2], curve.Fz));
    QLineEdit* sums[3] = { TEditX, TEditY, TEditZ };
    QLineEdit* absSums[3] = { MTEditX, MTEditY, MTEditZ };
    for (int i = 0; i < 3; ++i) {
        sums[i]->setText(floatText(totals.Sum[i]));
        absSums[i]->setText(floatText(totals.Abs[i]));
        sums[i]->setVisible(type.Totals[i]);
        absSums[i]->setVisible(type.Totals[i]);
    }
    NoktaAraligiEdit->setText(floatText(curve.Step));

    // The curve is the window's own at its values: the preview takes its points.
    TObjectList& preview = FPreview->Objects();
    preview.Clear();
    preview.SetSource(FCurves);
    preview.ExpectParameters(FCurves->Parameters().Items());
    preview.Append(curve.CurveType, fxEdit->text().toStdString(), fyEdit->text().toStdString(),
        fzEdit->text().toStdString(), curve.Color, curve.Style, curve.Thickness, curve.Step, true);
    preview.ApplyParameters(FCurves->Parameters().Items());
    FTurning.Reset();
    DrawPreview();
}

void TSaysalFrm::DrawPreview()
{
    FPreview->SetAngles(FTurning.AngleX(), FTurning.AngleY());
    FPreview->Render(true);
    Image1->SetPicture(FPreview->Image());
}

void TSaysalFrm::FormShow()
{
    const int count = CurveCount();
    if (count < 2) {
        for (QWidget* control : std::initializer_list<QWidget*> {
                 ilkEgriButton, OncekiButton, SonrakiButton, SonEgriButton, EgriNoEdit })
            control->setEnabled(false);
    }
    if (count >= 1)
        ShowCurve(EgriNoEdit->value());
    DrawPreview();
}

void TSaysalFrm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        Guarded([this] { FormShow(); });
}

void TSaysalFrm::EgriNoEditChange() { ShowCurve(EgriNoEdit->value()); }

void TSaysalFrm::GoTo(int n)
{
    const int before = EgriNoEdit->value();
    EgriNoEdit->SetValue(n);
    // A changed value has shown its curve through EgriNoEditChange.
    if (EgriNoEdit->value() == before)
        ShowCurve(before);
}

void TSaysalFrm::ilkEgriButtonClick() { GoTo(1); }
void TSaysalFrm::OncekiButtonClick() { GoTo(EgriNoEdit->value() - 1); }
void TSaysalFrm::SonrakiButtonClick() { GoTo(EgriNoEdit->value() + 1); }
void TSaysalFrm::SonEgriButtonClick() { GoTo(CurveCount()); }

void TSaysalFrm::Image1MouseDown(Qt::MouseButton, int x, int y) { FTurning.MouseDown(x, y); }

void TSaysalFrm::Image1MouseMove(Qt::MouseButtons buttons, int x, int y)
{
    if (FTurning.MouseMove(x, y, buttons.testFlag(Qt::LeftButton)))
        DrawPreview();
}

void TSaysalFrm::Image1MouseUp(Qt::MouseButton, int, int) { FTurning.MouseUp(); }

void TSaysalFrm::BtnYardimClick() { ShowDialogHelp(HelpContext); }

bool TSaysalFrm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1
        && (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride)
        && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)) {
        if (event->type() == QEvent::KeyPress)
            Guarded([this] { CopyRows(); });
        event->accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TSaysalFrm::CopyRows()
{
    std::vector<int> rows;
    if (StringGrid1->selectionModel() != nullptr) {
        for (const QModelIndex& index : StringGrid1->selectionModel()->selectedIndexes())
            rows.push_back(index.row());
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    }
    QGuiApplication::clipboard()->setText(PointTableClipboardText(FPointsModel->Points(), rows));
}

void TSaysalFrm::DisaAktarButtonClick()
{
    QFileDialog dialog(this, tr("Dışa Aktar"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(tr("CSV dosyaları (*.csv)"));
    dialog.setDefaultSuffix("csv");
    dialog.selectFile(QString("Egri%1.csv").arg(EgriNoEdit->value()));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return;
    ExportTo(dialog.selectedFiles().constFirst());
}

bool TSaysalFrm::ExportTo(const QString& fileName)
{
    static const TGoruntuMatrisi none;
    const TGoruntuMatrisi& points = FPointsModel->Points() ? *FPointsModel->Points() : none;
    QProgressDialog progress(tr("Noktalar yazılıyor..."), tr("Vazgeç"), 0, 1000, this);
    progress.setWindowTitle(tr("Dışa Aktar"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    progress.setAutoClose(false);
    progress.setAutoReset(false);
    // The values the points were generated at come first, as velmo table writes them.
    const std::string values = FCurves && FShownCurve >= 1 && FShownCurve <= FCurves->Count()
        ? PointTableParameterLine(FCurves->Parameters(), FCurves->CurveParameters(FShownCurve - 1),
            TPointTableFormat::Csv)
        : std::string();
    const TPointTableExport result = ExportPointTable(
        points, fileName,
        [&progress](qint64 done, qint64 total) {
            progress.setValue(total == 0 ? 1000 : int(done * 1000 / total));
            QCoreApplication::processEvents();
            return !progress.wasCanceled();
        },
        values);
    progress.close();
    if (!result.Message.isEmpty())
        ReportError(result.Message);
    return result.Written;
}

void TSaysalFrm::keyPressEvent(QKeyEvent* event)
{
    if (!AnswerDialogKey(event, [this] { BtnYardimClick(); }))
        QDialog::keyPressEvent(event);
}
