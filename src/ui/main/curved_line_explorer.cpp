#include "ui/main/curved_line_explorer.h"

#include "base/catalogue.h"
#include "base/exception.h"
#include "base/message.h"
#include "base/number_text.h"
#include "curves/curve_record.h"
#include "curves/points_of_interest.h"
#include "curves/object_list.h"
#include "engine/fonksiyon.h"
#include "files/scene_view.h"
#include "geometry/goruntu_matrisi.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/graph/grafik_mchild_frm.h"
#include "ui/main/explorer_controls.h"
#include "ui/main/operator_select_tool_w.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/error_report.h"
#include "ui/platform/generation_progress.h"
#include "ui/platform/image.h"
#include "ui/platform/prompts.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPalette>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr double StartStep = 0.1;
constexpr int StartThickness = 2;

QString qtext(const char* utf8) { return QString::fromUtf8(utf8); }
std::string stdtext(const QString& text) { return text.toStdString(); }

QToolButton* curveButton(QWidget* parent, const char* name, TCurveGlyph glyph, const QString& hint)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(CurveGlyphIcon(glyph));
    button->setAutoRaise(true);
    button->setFixedSize(24, 24);
    button->setFocusPolicy(Qt::NoFocus);
    // The hint goes to the status line only: the explorer shows no tool tips.
    button->setStatusTip(hint);
    return button;
}

QLabel* buddyLabel(const QString& caption, QWidget* buddy, QWidget* parent)
{
    auto* label = new QLabel(caption, parent);
    label->setBuddy(buddy);
    return label;
}

// The preview takes its points from the window's list while it is given, rather than
// sampling a curve the window has just sampled alike.
class TPreviewSource {
public:
    TPreviewSource(TObjectList& preview, const TGrafikMChildFrm* window)
        : FPreview(preview)
    {
        FPreview.SetSource(window != nullptr ? &window->DrawFunction().Objects() : nullptr);
    }
    ~TPreviewSource() { FPreview.SetSource(nullptr); }
    TPreviewSource(const TPreviewSource&) = delete;
    TPreviewSource& operator=(const TPreviewSource&) = delete;

private:
    TObjectList& FPreview;
};

} // namespace

double StepUp(double step) { return step <= 0.1 ? step + 0.01 : step + 0.1; }

double StepDown(double step)
{
    if (step > 0.11)
        return step - 0.1;
    if (step > 0.015)
        return step - 0.01;
    return step;
}

TCurvedLineExplorer::TCurvedLineExplorer(QWidget* parent)
    : QDockWidget(tr("Eğri Gezgini"), parent)
    , FPreviewProgress(std::make_unique<TGenerationProgressBar>(this))
{
    FPreviewRenderer.Objects().SetProgress(FPreviewProgress.get());
    setObjectName(QStringLiteral("CurvedLineExplorerToolW"));
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable
        | QDockWidget::DockWidgetFloatable);
    CreateControls();
    ConnectHandlers();
    // Not resizable: the window always takes the size of its contents.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    SetUpPreview();
    hide();
}

TCurvedLineExplorer::~TCurvedLineExplorer() = default;

void TCurvedLineExplorer::CreateControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("CurvedLineExplorerClient"));
    auto* column = new QVBoxLayout(client);
    column->setContentsMargins(4, 2, 4, 4);
    column->setSpacing(4);
    column->addWidget(CreateCurveButtons(client));

    EgriOzellikleriPanel = new QFrame(client);
    EgriOzellikleriPanel->setObjectName(QStringLiteral("EgriOzellikleriPanel"));
    column->addWidget(EgriOzellikleriPanel);
    CreateFieldPanel();

    auto* commands = new QHBoxLayout;
    commands->setSpacing(4);
    EgriKaydetButton = new QPushButton(tr("Kaydet..."), client);
    EgriKaydetButton->setObjectName(QStringLiteral("EgriKaydetButton"));
    EgriKaydetButton->setStatusTip(tr("Eğriyi Dosyaya Kaydet"));
    CLSelectButton = new QPushButton(tr("Eğri Sec..."), client);
    CLSelectButton->setObjectName(QStringLiteral("CLSelectButton"));
    CLSelectButton->setStatusTip(tr("Eğriyi Dosyadan Sec"));
    UygulaButton = new QPushButton(tr("Uygula"), client);
    UygulaButton->setObjectName(QStringLiteral("UygulaButton"));
    TurevCizButton = new QPushButton(tr("Türevini Çiz"), client);
    TurevCizButton->setObjectName(QStringLiteral("TurevCizButton"));
    TurevCizButton->setStatusTip(
        tr("Geçerli eğrinin serbest değişkenine göre türevini yeni bir eğri olarak çizer"));
    for (QPushButton* button : { EgriKaydetButton, CLSelectButton, TurevCizButton, UygulaButton }) {
        button->setAutoDefault(false);
        commands->addWidget(button);
    }
    column->addLayout(commands);
    setWidget(client);
}

QWidget* TCurvedLineExplorer::CreateCurveButtons(QWidget* parent)
{
    auto* bar = new QWidget(parent);
    bar->setObjectName(QStringLiteral("EgriButtonPanel"));
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    ilkEgriButton = curveButton(bar, "ilkEgriButton", TCurveGlyph::First, tr("İlk Eğri"));
    OncekiEgriButton = curveButton(bar, "OncekiEgriButton", TCurveGlyph::Prior, tr("Önceki Eğri"));
    SonrakiEgriButton
        = curveButton(bar, "SonrakiEgriButton", TCurveGlyph::Next, tr("Sonraki  Eğri"));
    SonEgriButton = curveButton(bar, "SonEgriButton", TCurveGlyph::Last, tr("Son  Eğri"));
    YeniEgriButton = curveButton(bar, "YeniEgriButton", TCurveGlyph::New, tr("Yeni Eğri"));
    EgriSilButton = curveButton(bar, "EgriSilButton", TCurveGlyph::Delete, tr("Eğriyi Sil"));
    TumEgrileriSilButton
        = curveButton(bar, "TumEgrileriSilButton", TCurveGlyph::DeleteAll, tr("Tüm Eğrileri Sil"));
    for (QToolButton* button : { ilkEgriButton, OncekiEgriButton, SonrakiEgriButton, SonEgriButton,
             YeniEgriButton, EgriSilButton })
        row->addWidget(button);
    auto* separator = new QFrame(bar);
    separator->setFrameShape(QFrame::VLine);
    separator->setFrameShadow(QFrame::Sunken);
    row->addWidget(separator);
    row->addWidget(TumEgrileriSilButton);
    row->addStretch(1);
    return bar;
}

void TCurvedLineExplorer::CreateFieldPanel()
{
    QFrame* panel = EgriOzellikleriPanel;
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(4);

    FTypeComboBox = new QComboBox(panel);
    FTypeComboBox->setObjectName(QStringLiteral("FTypeComboBox"));
    for (const TCurveTypeRow& type : CurveTypes)
        FTypeComboBox->addItem(qtext(Localized(type.ListCaption)));
    // Wide enough for the longest type, which sets the panel's width.
    FTypeComboBox->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    FTypeComboBox->setCurrentIndex(-1);
    column->addWidget(buddyLabel(tr("Çizim &Tipi"), FTypeComboBox, panel));
    column->addWidget(FTypeComboBox);

    FonksiyonlarGroup = new QGroupBox(tr(" Fonksiyonlar "), panel);
    FonksiyonlarGroup->setObjectName(QStringLiteral("FonksiyonlarGroup"));
    auto* formulas = new QGridLayout(FonksiyonlarGroup);
    formulas->setContentsMargins(4, 2, 4, 4);
    formulas->setHorizontalSpacing(4);
    formulas->setVerticalSpacing(3);
    const std::array<const char*, 3> captions { "fx:", "fy:", "fz:" };
    const std::array<const char*, 3> names { "fx", "fy", "fz" };
    std::array<QLabel*, 3> labels {};
    std::array<TFormulaEdit*, 3> edits {};
    for (int k = 0; k < 3; ++k) {
        edits[k] = new TFormulaEdit(FonksiyonlarGroup);
        edits[k]->setObjectName(QString::fromLatin1(names[k]) + QStringLiteral("Edit"));
        labels[k] = new QLabel(qtext(captions[k]), FonksiyonlarGroup);
        labels[k]->setObjectName(QString::fromLatin1(names[k]) + QStringLiteral("Label"));
        // Wide enough for "fx(a,b):" whatever the type shows.
        labels[k]->setMinimumWidth(labels[k]->fontMetrics().horizontalAdvance("fx(a,b): "));
        formulas->addWidget(labels[k], k, 0);
        formulas->addWidget(edits[k], k, 1);
    }
    fxLabel = labels[0];
    fyLabel = labels[1];
    fzLabel = labels[2];
    fxEdit = edits[0];
    fyEdit = edits[1];
    fzEdit = edits[2];
    fxEdit->setEnabled(false);
    column->addWidget(FonksiyonlarGroup);

    auto* fields = new QGridLayout;
    fields->setHorizontalSpacing(4);
    fields->setVerticalSpacing(3);
    ColorCombo = new TColorCombo(panel);
    ColorCombo->setObjectName(QStringLiteral("ColorCombo"));
    ColorCombo->SetColor(NewCurveColor);
    fields->addWidget(buddyLabel(tr("Çizim &Rengi"), ColorCombo, panel), 0, 0);
    fields->addWidget(ColorCombo, 0, 1, 1, 3);

    CizimSekliCombo = new TComboBox(panel);
    CizimSekliCombo->setObjectName(QStringLiteral("CizimSekliCombo"));
    CizimSekliCombo->addItems({ tr("Çizgi"), tr("Nokta") });
    CizimSekliCombo->setCurrentIndex(0);
    fields->addWidget(buddyLabel(tr("Çizim &Şekli"), CizimSekliCombo, panel), 1, 0);
    fields->addWidget(CizimSekliCombo, 1, 1, 1, 3);

    GorunurlukCombo = new TComboBox(panel);
    GorunurlukCombo->setObjectName(QStringLiteral("GorunurlukCombo"));
    GorunurlukCombo->addItems({ tr("Görünür"), tr("Görünmez") });
    GorunurlukCombo->setCurrentIndex(0);
    fields->addWidget(buddyLabel(tr("&Görünürlük"), GorunurlukCombo, panel), 2, 0);
    fields->addWidget(GorunurlukCombo, 2, 1, 1, 3);

    auto* step = new QWidget(panel);
    auto* stepRow = new QHBoxLayout(step);
    stepRow->setContentsMargins(0, 0, 0, 0);
    stepRow->setSpacing(0);
    NoktaAraligiEdit = new QLineEdit(step);
    NoktaAraligiEdit->setObjectName(QStringLiteral("NoktaAraligiEdit"));
    NoktaAraligiEdit->setText(QString::fromStdString(FloatToText(StartStep)));
    // The field takes what the row leaves, at least room for a short step; its
    // own wide hint would widen the panel beyond the preview.
    NoktaAraligiEdit->setMinimumWidth(NoktaAraligiEdit->fontMetrics().horizontalAdvance("0,0000"));
    NoktaAraligiEdit->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    SpinButton1 = new TSpinButton(step);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setFixedHeight(NoktaAraligiEdit->sizeHint().height());
    stepRow->addWidget(NoktaAraligiEdit, 1);
    stepRow->addWidget(SpinButton1);
    fields->addWidget(buddyLabel(tr("Nokta &Aralıgı"), NoktaAraligiEdit, panel), 3, 0);
    fields->addWidget(step, 3, 1);

    // The arrows stay within 1..20; a typed value of any length ("123") stands as
    // typed until the field is left and is then brought within 1..20, and a text
    // that is no number becomes 1.
    auto* thickness = new TSpinEdit(panel);
    thickness->SetMinValue(1);
    thickness->SetMaxValue(20);
    thickness->SetValue(1);
    thickness->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    CizgiKEdit = thickness;
    CizgiKEdit->setObjectName(QStringLiteral("CizgiKEdit"));
    fields->addWidget(buddyLabel(tr("Çizgi\n&Kalınlığı"), CizgiKEdit, panel), 3, 2);
    fields->addWidget(CizgiKEdit, 3, 3);
    fields->setColumnStretch(1, 1);
    column->addLayout(fields);

    EgriGorFrame = new QFrame(panel);
    EgriGorFrame->setObjectName(QStringLiteral("EgriGorFrame"));
    EgriGorFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    EgriGorFrame->setLineWidth(1);
    auto* frameLayout = new QVBoxLayout(EgriGorFrame);
    frameLayout->setContentsMargins(1, 1, 1, 1);
    EgriGorImage = new TImage(EgriGorFrame);
    EgriGorImage->setObjectName(QStringLiteral("EgriGorImage"));
    EgriGorImage->setFixedSize(PreviewWidth, PreviewHeight);
    frameLayout->addWidget(EgriGorImage);
    column->addWidget(EgriGorFrame, 0, Qt::AlignHCenter);
}

void TCurvedLineExplorer::ConnectHandlers()
{
    connect(ilkEgriButton, &QToolButton::clicked, this, [this] { ilkEgriButtonClick(); });
    connect(OncekiEgriButton, &QToolButton::clicked, this, [this] { OncekiEgriButtonClick(); });
    connect(SonrakiEgriButton, &QToolButton::clicked, this, [this] { SonrakiEgriButtonClick(); });
    connect(SonEgriButton, &QToolButton::clicked, this, [this] { SonEgriButtonClick(); });
    connect(YeniEgriButton, &QToolButton::clicked, this, [this] { YeniEgriButtonClick(); });
    connect(EgriSilButton, &QToolButton::clicked, this, [this] { EgriSilButtonClick(); });
    connect(
        TumEgrileriSilButton, &QToolButton::clicked, this, [this] { TumEgrileriSilButtonClick(); });
    connect(UygulaButton, &QPushButton::clicked, this, [this] { UygulaButtonClick(); });
    connect(TurevCizButton, &QPushButton::clicked, this, [this] { TurevCizButtonClick(); });
    connect(EgriKaydetButton, &QPushButton::clicked, this, &TCurvedLineExplorer::EgriKaydetClicked);
    connect(CLSelectButton, &QPushButton::clicked, this, &TCurvedLineExplorer::CLSelectClicked);

    // The lists run their handlers only when the user picks an item; an index
    // set by the program (the drawing-style commands) changes nothing else.
    connect(FTypeComboBox, &QComboBox::activated, this, [this] { FTypeComboBoxChange(); });
    connect(CizimSekliCombo, &QComboBox::activated, this, [this] { fxyzEditChange(); });
    connect(GorunurlukCombo, &QComboBox::activated, this, [this] { fxyzEditChange(); });
    connect(ColorCombo, &TColorCombo::ColorChanged, this, [this] { fxyzEditChange(); });
    for (QLineEdit* edit : { static_cast<QLineEdit*>(fxEdit), static_cast<QLineEdit*>(fyEdit),
             static_cast<QLineEdit*>(fzEdit), NoktaAraligiEdit })
        connect(edit, &QLineEdit::textChanged, this, [this] { fxyzEditChange(); });
    connect(CizgiKEdit, &QSpinBox::valueChanged, this, [this] { fxyzEditChange(); });
    NoktaAraligiEdit->installEventFilter(this);

    connect(SpinButton1, &TSpinButton::UpClick, this, [this] { SpinButton1UpClick(); });
    connect(SpinButton1, &TSpinButton::DownClick, this, [this] { SpinButton1DownClick(); });
    connect(ColorCombo, &TColorCombo::DblClick, this, [this] { ColorComboDblClick(); });
    connect(CizimSekliCombo, &TComboBox::DblClick, this, [this] { CizimSekliComboDblClick(); });
    connect(GorunurlukCombo, &TComboBox::DblClick, this, [this] { GorunurlukComboDblClick(); });

    connect(EgriGorImage, &TImage::MouseDown, this,
        [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
            EgriGorImageMouseDown(button, x, y);
        });
    connect(EgriGorImage, &TImage::MouseMove, this,
        [this](Qt::MouseButtons buttons, Qt::KeyboardModifiers, int x, int y) {
            EgriGorImageMouseMove(buttons, x, y);
        });
    connect(EgriGorImage, &TImage::MouseUp, this,
        [this](Qt::MouseButton button, Qt::KeyboardModifiers, int x, int y) {
            EgriGorImageMouseUp(button, x, y);
        });
    connect(EgriGorImage, &TImage::DblClick, this, [this] { EgriGorImageDblClick(); });

    connect(fxEdit, &TFormulaEdit::Entered, this, [this] { fxEditEnter(); });
    connect(fyEdit, &TFormulaEdit::Entered, this, [this] { fyEditEnter(); });
    connect(fzEdit, &TFormulaEdit::Entered, this, [this] { fzEditEnter(); });
    // The preview put off and the values not followed while hidden.
    connect(this, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && FRebuildWaiting)
            RebuildPreview();
        else if (visible && FFollowStale)
            FollowParameters();
    });
}

void TCurvedLineExplorer::SetUpPreview()
{
    FPreviewRenderer.SetSize(PreviewWidth, PreviewHeight);
    FPreviewRenderer.SetX0(PreviewWidth / 2);
    FPreviewRenderer.SetY0(PreviewHeight / 2);
    FPreviewRenderer.SetBrushColor(QColorToColor(palette().color(QPalette::Button)));
    FPreviewRenderer.SetZoom(PreviewZoom);
    // The empty preview already shows the preview's own view direction.
    FPreviewRenderer.SetAngles(FPreviewTurning.AngleX(), FPreviewTurning.AngleY());
    FPreviewRenderer.Render(true);
    EgriGorImage->SetPicture(FPreviewRenderer.Image());
}

void TCurvedLineExplorer::SetOperatorPalette(TOperatorSelectToolW* palette)
{
    FOperatorPalette = palette;
}

TGrafikMChildFrm* TCurvedLineExplorer::ActiveGraphWindow() const
{
    return FActiveGraphWindow ? FActiveGraphWindow() : nullptr;
}

TEditorValues TCurvedLineExplorer::EditorValues() const
{
    TEditorValues v;
    // The step first: an unreadable step stops the caller before anything else.
    v.Step = TextToFloat(stdtext(NoktaAraligiEdit->text()));
    v.CurveType = FTypeComboBox->currentIndex();
    v.Fx = stdtext(fxEdit->text());
    v.Fy = stdtext(fyEdit->text());
    v.Fz = stdtext(fzEdit->text());
    v.Visible = GorunurlukCombo->currentIndex() == 0;
    v.Thickness = CizgiKEdit->value();
    v.Style = CizimSekliCombo->currentIndex();
    v.Color = ColorCombo->Color();
    return v;
}

// ---- Filling the fields ------------------------------------------------------------

namespace {
// The drawing styles a type offers: the two surface styles for the types of two
// variables alone. A style the type does not offer gives way to the line.
void offerStyles(QComboBox* styles, int type)
{
    const int count = HasInnerVariable(type) ? CurveStyleCount : csSurface;
    if (styles->count() == count)
        return;
    if (styles->currentIndex() >= count)
        styles->setCurrentIndex(csLine);
    while (styles->count() > count)
        styles->removeItem(styles->count() - 1);
    if (styles->count() < count)
        styles->addItems({ QCoreApplication::translate("TCurvedLineExplorer", "Yüzey"),
            QCoreApplication::translate("TCurvedLineExplorer", "Gölgeli Yüzey") });
}
}

void TCurvedLineExplorer::ApplyTypeDefaults()
{
    TFilling filling(*this);
    NoktaAraligiEdit->setText(QString::fromStdString(FloatToText(StartStep)));
    CizgiKEdit->setValue(StartThickness);
    const int type = FTypeComboBox->currentIndex();
    offerStyles(CizimSekliCombo, type);
    if (!IsCurveType(type))
        return;
    // A fixed formula of the system stands in a disabled field, the formulas the
    // user writes start empty, and the labels name the free variables.
    const TCurveTypeRow& row = CurveTypes[type];
    const std::array<QLineEdit*, 3> edits { fxEdit, fyEdit, fzEdit };
    const std::array<QLabel*, 3> labels { fxLabel, fyLabel, fzLabel };
    for (std::size_t k = 0; k < edits.size(); ++k) {
        const TFormulaSlot& slot = row.Formulas[k];
        edits[k]->setText(qtext(slot.Used ? "" : slot.FieldText));
        edits[k]->setEnabled(slot.Used);
        labels[k]->setText(qtext(slot.Caption));
    }
    CizgiKEdit->setValue(row.Thickness);
}

void TCurvedLineExplorer::LoadCurve(const TCurveRecord* curve)
{
    TFilling filling(*this);
    if (curve == nullptr) {
        if (FPreviewRenderer.Objects().Count() == 1) {
            FPreviewRenderer.Objects().Clear();
            Draw();
        }
        FRebuildWaiting = false;
        CizimSekliCombo->setCurrentIndex(csLine);
        GorunurlukCombo->setCurrentIndex(0);
        FTypeComboBox->setCurrentIndex(ctXYPlane);
        ApplyTypeDefaults();
        return;
    }
    FTypeComboBox->setCurrentIndex(curve->CurveType);
    ApplyTypeDefaults();
    const auto take = [](QLineEdit* edit, const TFonksiyon* formula) {
        if (formula != nullptr)
            edit->setText(QString::fromStdString(formula->GetText()));
    };
    // Only the fields the type leaves to the user; the fixed ones keep their defaults.
    if (UsesFx(curve->CurveType))
        take(fxEdit, curve->Fx);
    if (UsesFy(curve->CurveType))
        take(fyEdit, curve->Fy);
    if (UsesFz(curve->CurveType))
        take(fzEdit, curve->Fz);
    ColorCombo->SetColor(curve->Color);
    GorunurlukCombo->setCurrentIndex(curve->Visible ? 0 : 1);
    NoktaAraligiEdit->setText(QString::fromStdString(FloatToText(curve->Step)));
    CizimSekliCombo->setCurrentIndex(curve->Style < CizimSekliCombo->count() ? curve->Style : 0);
    CizgiKEdit->setValue(curve->Thickness);
    Rebuild();
}

// ---- The change handler ------------------------------------------------------------

void TCurvedLineExplorer::CheckChange()
{
    if (FFilling > 0)
        return;
    TGrafikMChildFrm* window = ActiveGraphWindow();
    if (window == nullptr)
        return;
    TEditorValues values;
    try {
        values = EditorValues();
    } catch (const EConvertError& e) {
        // Typing runs this at every keystroke ("-" on the way to "-0,1"): no box
        // that would swallow the next keys, and nothing applied.
        SetStepUnreadable(true, QString::fromStdString(e.Message()));
        return;
    }
    SetStepUnreadable(false);
    if (window->IsCurveChanged(values)) {
        UygulaButton->setEnabled(true);
        window->MarkCurveChanged();
    } else {
        UygulaButton->setEnabled(false);
    }
}

void TCurvedLineExplorer::SetStepUnreadable(bool unreadable, const QString& message)
{
    if (unreadable == FStepUnreadable && !unreadable)
        return;
    FStepUnreadable = unreadable;
    QPalette palette = NoktaAraligiEdit->palette();
    palette.setColor(QPalette::Text,
        unreadable ? QColor(Qt::red)
                   : QApplication::palette(NoktaAraligiEdit).color(QPalette::Text));
    NoktaAraligiEdit->setPalette(palette);
    emit HintChanged(unreadable ? message : QString());
}

bool TCurvedLineExplorer::eventFilter(QObject* watched, QEvent* event)
{
    // Only when the user moves on: not when a box or another window takes the
    // activation (the box itself would otherwise report again).
    if (watched == NoktaAraligiEdit && event->type() == QEvent::FocusOut && FStepUnreadable
        && ActiveGraphWindow() != nullptr) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            Guarded([this] { static_cast<void>(TextToFloat(stdtext(NoktaAraligiEdit->text()))); });
    }
    return QDockWidget::eventFilter(watched, event);
}

// ---- The preview -------------------------------------------------------------------

void TCurvedLineExplorer::Rebuild()
{
    TObjectList& objects = FPreviewRenderer.Objects();
    const TEditorValues v = EditorValues();
    const TGrafikMChildFrm* window = ActiveGraphWindow();
    // Values put off while hidden: what the preview held is not kept.
    FRebuildWaiting = false;
    FStoppedValues.clear();
    if (FFollowStale) {
        objects.Clear();
        FFollowStale = false;
    }
    if (isHidden() && IsCurveType(v.CurveType) && v.Step > 0
        && TObjectList::SampleCount(v.CurveType, v.Step) > HiddenPreviewSamples) {
        objects.Clear();
        FRebuildWaiting = true;
        return;
    }
    const TPreviewSource source(objects, window);
    try {
        // A new parameter takes the window's value at once, so that the curve is made
        // once, at the values it is then shown at.
        if (window != nullptr)
            objects.ExpectParameters(window->Parameters().Items());
        // The preview shows the curve whatever the visibility field says. A curve shown
        // before is changed in place, so that a stopped generation leaves it as it was.
        if (objects.Count() == 1)
            objects.Edit(0, v.CurveType, v.Fx, v.Fy, v.Fz, v.Color,
                static_cast<std::uint8_t>(v.Style), v.Thickness, v.Step, true);
        else {
            objects.Clear();
            if (window != nullptr)
                objects.ExpectParameters(window->Parameters().Items());
            objects.Append(v.CurveType, v.Fx, v.Fy, v.Fz, v.Color,
                static_cast<std::uint8_t>(v.Style), v.Thickness, v.Step, true);
        }
        if (window != nullptr)
            objects.ApplyParameters(window->Parameters().Items());
    } catch (const EGenerationStopped&) {
        return;
    }
    FPreviewTurning.Reset();
    Draw();
}

void TCurvedLineExplorer::FollowParameters()
{
    if (isHidden()) {
        FFollowStale = FPreviewRenderer.Objects().Count() > 0;
        return;
    }
    TObjectList& objects = FPreviewRenderer.Objects();
    // The running one ends first; this then follows the values reached.
    if (objects.Generating()) {
        FFollowWaiting = true;
        return;
    }
    FFollowStale = false;
    Guarded([this, &objects] {
        do {
            FFollowWaiting = false;
            const TGrafikMChildFrm* window = ActiveGraphWindow();
            if (window == nullptr)
                return;
            const std::vector<TParameter>& values = window->Parameters().Items();
            if (!FStoppedValues.empty() && values == FStoppedValues)
                return;
            const TPreviewSource source(objects, window);
            try {
                if (objects.ApplyParameters(values) > 0)
                    Draw();
            } catch (const EGenerationStopped&) {
                FStoppedValues = values;
                throw;
            }
            FStoppedValues.clear();
        } while (FFollowWaiting);
    });
    FFollowWaiting = false;
}

void TCurvedLineExplorer::Draw()
{
    FPreviewRenderer.SetAngles(FPreviewTurning.AngleX(), FPreviewTurning.AngleY());
    FPreviewRenderer.Render(true);
    EgriGorImage->SetPicture(FPreviewRenderer.Image());
}

// ---- Public operations and handlers ------------------------------------------------

void TCurvedLineExplorer::FillExplorer()
{
    if (const TGrafikMChildFrm* window = ActiveGraphWindow())
        ShowCurve(window->CurrentCurveOrNull());
}

void TCurvedLineExplorer::ShowCurve(const TCurveRecord* curve)
{
    Guarded([this, curve] {
        LoadCurve(curve);
        CheckChange();
    });
}

TCurveKey TCurvedLineExplorer::FormulaKey() const
{
    return { FTypeComboBox->currentIndex(), fxEdit->text(), fyEdit->text(), fzEdit->text() };
}

void TCurvedLineExplorer::TakeFormulas(const TCurveKey& key)
{
    FTypeComboBox->setCurrentIndex(key.Type);
    FTypeComboBoxChange();
    fxEdit->setText(key.FunctionX);
    fyEdit->setText(key.FunctionY);
    fzEdit->setText(key.FunctionZ);
}

void TCurvedLineExplorer::ShowDrawingStyle(int style)
{
    // An index set by the program does not run the change handler.
    CizimSekliCombo->setCurrentIndex(style);
}

void TCurvedLineExplorer::RebuildPreview()
{
    Guarded([this] { Rebuild(); });
}

void TCurvedLineExplorer::DrawPreview()
{
    Guarded([this] { Draw(); });
}

void TCurvedLineExplorer::SetCurveButtons(const TCurveButtons& buttons)
{
    ilkEgriButton->setEnabled(buttons.First);
    OncekiEgriButton->setEnabled(buttons.Prior);
    SonrakiEgriButton->setEnabled(buttons.Next);
    SonEgriButton->setEnabled(buttons.Last);
    EgriSilButton->setEnabled(buttons.Remove);
    TumEgrileriSilButton->setEnabled(buttons.RemoveAll);
}

void TCurvedLineExplorer::SetGraphControlsEnabled(bool enabled)
{
    for (QWidget* control : std::initializer_list<QWidget*> { ilkEgriButton, OncekiEgriButton,
             SonrakiEgriButton, SonEgriButton, YeniEgriButton, EgriSilButton, TumEgrileriSilButton,
             EgriOzellikleriPanel, CLSelectButton, EgriKaydetButton, UygulaButton, TurevCizButton })
        control->setEnabled(enabled);
}

void TCurvedLineExplorer::FTypeComboBoxChange()
{
    Guarded([this] {
        ApplyTypeDefaults();
        CheckChange();
    });
}

void TCurvedLineExplorer::fxyzEditChange()
{
    Guarded([this] { CheckChange(); });
}

void TCurvedLineExplorer::UygulaButtonClick()
{
    int faultyFormula = -1;
    int tokenPosition = -1;
    int tokenLength = 0;
    Guarded([&] {
        TGrafikMChildFrm* window = ActiveGraphWindow();
        if (window == nullptr)
            return;
        // A faulty formula or a duplicate curve raises here: the fields keep the
        // user's text and "Uygula" stays enabled.
        try {
            window->ApplyCurve(EditorValues());
        } catch (const EFonksiyonError& e) {
            faultyFormula = e.Formula();
            tokenPosition = e.TokenPosition();
            tokenLength = e.TokenLength();
            throw;
        }
        UygulaButton->setEnabled(false);
        // A curve none of whose points could be computed draws nothing: say so.
        if (window->CurrentCurveHasNoPoints())
            emit HintChanged(tr("Eğrinin hiçbir noktası hesaplanamadı."));
        Rebuild();
    });
    // After the message: the faulty field takes the focus, with the token the
    // message names selected.
    if (faultyFormula >= 0 && faultyFormula <= 2) {
        TFormulaEdit* edits[] = { fxEdit, fyEdit, fzEdit };
        QLineEdit* edit = edits[faultyFormula];
        edit->setFocus(Qt::OtherFocusReason);
        if (tokenPosition >= 0) {
            const std::string text = stdtext(edit->text());
            const auto utf16 = [&](int bytes) {
                return static_cast<int>(QString::fromStdString(text.substr(0, bytes)).size());
            };
            const int start = utf16(tokenPosition);
            edit->setSelection(start, utf16(tokenPosition + tokenLength) - start);
        }
    }
}

void TCurvedLineExplorer::CurveCommand(void (TGrafikMChildFrm::*operation)())
{
    Guarded([this, operation] {
        TGrafikMChildFrm* window = ActiveGraphWindow();
        if (window == nullptr)
            return;
        (window->*operation)();
        LoadCurve(window->CurrentCurveOrNull());
        CheckChange();
    });
}

void TCurvedLineExplorer::ilkEgriButtonClick() { CurveCommand(&TGrafikMChildFrm::FirstCurve); }
void TCurvedLineExplorer::OncekiEgriButtonClick() { CurveCommand(&TGrafikMChildFrm::PriorCurve); }
void TCurvedLineExplorer::SonrakiEgriButtonClick() { CurveCommand(&TGrafikMChildFrm::NextCurve); }
void TCurvedLineExplorer::SonEgriButtonClick() { CurveCommand(&TGrafikMChildFrm::LastCurve); }
void TCurvedLineExplorer::EgriSilButtonClick()
{
    TGrafikMChildFrm* window = ActiveGraphWindow();
    if (window == nullptr || window->CurveCount() == 0 || window->State() == omAppend)
        return;
    const int n = window->CurveCount();
    if (!AskYesNo(
            this, tr("Geçerli eğri (%1/%2) silinsin mi?").arg(window->CurveIndex() + 1).arg(n)))
        return;
    CurveCommand(&TGrafikMChildFrm::RemoveCurve);
}

void TCurvedLineExplorer::TumEgrileriSilButtonClick()
{
    TGrafikMChildFrm* window = ActiveGraphWindow();
    if (window == nullptr || window->CurveCount() == 0)
        return;
    const int n = window->CurveCount();
    if (!AskYesNo(this, tr("Penceredeki %1 eğrinin tümü silinsin mi?").arg(n)))
        return;
    CurveCommand(&TGrafikMChildFrm::RemoveAllCurves);
}

void TCurvedLineExplorer::TurevCizButtonClick()
{
    Guarded([this] {
        TGrafikMChildFrm* window = ActiveGraphWindow();
        if (window == nullptr || window->State() == omAppend)
            return;
        const TCurveRecord* curve = window->CurrentCurveOrNull();
        if (curve == nullptr)
            return;
        const TEditorValues derived = DerivativeCurve(*curve);
        // Refused before the window turns to a new curve, so that it stays on this one.
        if (int index = 0; window->DrawFunction().Objects().FindCurve(
                derived.CurveType, derived.Fx, derived.Fy, derived.Fz, index))
            throw EObjectListError(
                FormatText(Localized("Bu eğri daha önce tanımlanmıştır (%d)"), index));
        window->NewCurve();
        window->ApplyCurve(derived);
        LoadCurve(window->CurrentCurveOrNull());
        CheckChange();
        Rebuild();
    });
}

void TCurvedLineExplorer::YeniEgriButtonClick()
{
    Guarded([this] {
        TGrafikMChildFrm* window = ActiveGraphWindow();
        if (window == nullptr)
            return;
        window->NewCurve();
        // The type's defaults; colour, style and visibility stay as they are.
        ApplyTypeDefaults();
        CheckChange();
        FPreviewRenderer.Objects().Clear();
        FRebuildWaiting = false;
        Draw();
    });
}

void TCurvedLineExplorer::SetStep(double step)
{
    // Shown in the general form, which runs the change handler.
    NoktaAraligiEdit->setText(QString::fromStdString(FloatToText(step)));
}

void TCurvedLineExplorer::StepBy(double (*next)(double))
{
    Guarded([this, next] {
        const auto step = static_cast<double>(TextToFloat(stdtext(NoktaAraligiEdit->text())));
        SetStep(next(step));
    });
}

void TCurvedLineExplorer::SpinButton1UpClick() { StepBy(&StepUp); }
void TCurvedLineExplorer::SpinButton1DownClick() { StepBy(&StepDown); }

void TCurvedLineExplorer::ColorComboDblClick()
{
    Guarded([this] {
        const TColor current = ColorCombo->Color();
        const TColor chosen = SelectColor(this, current);
        if (chosen != current)
            ColorCombo->SetColor(chosen); // runs the change handler
    });
}

namespace {
void toggle(QComboBox* combo)
{
    // No selection (-1) gives the first item.
    combo->setCurrentIndex((combo->currentIndex() + 1) % combo->count());
}
}

// Switching the item by a double click is a change the user made, so unlike an
// index the program sets it runs the change handler: "Uygula" follows it.
void TCurvedLineExplorer::CizimSekliComboDblClick()
{
    Guarded([this] {
        toggle(CizimSekliCombo);
        CheckChange();
    });
}

void TCurvedLineExplorer::GorunurlukComboDblClick()
{
    Guarded([this] {
        toggle(GorunurlukCombo);
        CheckChange();
    });
}

void TCurvedLineExplorer::EgriGorImageMouseDown(Qt::MouseButton, int x, int y)
{
    FPreviewTurning.MouseDown(x, y);
}

void TCurvedLineExplorer::EgriGorImageMouseMove(Qt::MouseButtons buttons, int x, int y)
{
    if (FPreviewTurning.MouseMove(x, y, buttons.testFlag(Qt::LeftButton)))
        DrawPreview();
}

void TCurvedLineExplorer::EgriGorImageMouseUp(Qt::MouseButton, int, int)
{
    FPreviewTurning.MouseUp();
}

void TCurvedLineExplorer::EgriGorImageDblClick()
{
    Guarded([this] {
        if (!FOnPreviewProperties)
            return;
        FOnPreviewProperties(FPreviewRenderer);
        Draw();
    });
}

void TCurvedLineExplorer::FormulaEntered(QLineEdit* edit)
{
    // The field hands itself to the palette as the target of its buttons.
    if (FOperatorPalette)
        FOperatorPalette->SetLastFormulaEdit(edit);
}

void TCurvedLineExplorer::fxEditEnter() { FormulaEntered(fxEdit); }
void TCurvedLineExplorer::fyEditEnter() { FormulaEntered(fyEdit); }
void TCurvedLineExplorer::fzEditEnter() { FormulaEntered(fzEdit); }
