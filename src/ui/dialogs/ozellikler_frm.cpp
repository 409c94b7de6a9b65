#include "ui/dialogs/ozellikler_frm.h"

#include "files/ini_file.h"
#include "ui/dialogs/dialog_help.h"
#include "ui/platform/color_combo.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/dialog_keys.h"
#include "ui/platform/error_report.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
const char* const PlaneTitles[3] = { QT_TRANSLATE_NOOP("TOzelliklerFrm", "XYDüzlemi   "),
    QT_TRANSLATE_NOOP("TOzelliklerFrm", "XZDüzlemi   "),
    QT_TRANSLATE_NOOP("TOzelliklerFrm", "YZDüzlemi   ") };

TComboBox* twoItemCombo(const char* first, const char* second)
{
    auto* combo = new TComboBox;
    combo->addItem(TOzelliklerFrm::tr(first));
    combo->addItem(TOzelliklerFrm::tr(second));
    return combo;
}

TComboBox* visibilityCombo()
{
    return twoItemCombo(QT_TRANSLATE_NOOP("TOzelliklerFrm", "Görünür"),
        QT_TRANSLATE_NOOP("TOzelliklerFrm", "Görünmez"));
}

// Index 0 is the combo's first item: "Görünür" or "On".
bool showsFirst(const QComboBox* combo) { return combo->currentIndex() == 0; }
int firstOrSecond(bool first) { return first ? 0 : 1; }

QFormLayout* formLayout(QWidget* owner)
{
    auto* form = new QFormLayout(owner);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}
}

TOzelliklerFrm::TOzelliklerFrm(const QString& settingsFile, QWidget* parent)
    : QDialog(parent)
    , FSettingsFile(settingsFile)
{
    setWindowTitle(tr("Tüm Özellikler"));
    CreateControls();
    // Until it is filled, the window shows the look of a new graph window.
    Fill(TGraphSettings {});
    resize(ClientWidth, ClientHeight);
}

void TOzelliklerFrm::CreateControls()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->addTab(CreateGeneralPage(), tr("Genel"));
    PageControl1->addTab(CreatePlanesPage(), tr("Gönyeler"));

    TamamButton = new QPushButton(tr("Tamam"), this);
    TamamButton->setDefault(true);
    VazgecButton = new QPushButton(tr("Vazgeç"), this);
    connect(TamamButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(VazgecButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(TamamButton);
    buttons->addWidget(VazgecButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);

    const auto guarded = [this](void (TOzelliklerFrm::*handler)()) {
        return [this, handler] { Guarded([&] { (this->*handler)(); }); };
    };
    connect(EksenciklerGorunurlukCombo, &QComboBox::currentIndexChanged, this,
        guarded(&TOzelliklerFrm::EksenciklerGorunurlukComboChange));
    connect(XYGorunurlukCombo, &QComboBox::currentIndexChanged, this,
        guarded(&TOzelliklerFrm::XYGorunurlukComboChange));
    connect(XZGorunurlukCombo, &QComboBox::currentIndexChanged, this,
        guarded(&TOzelliklerFrm::XZGorunurlukComboChange));
    connect(YZGorunurlukCombo, &QComboBox::currentIndexChanged, this,
        guarded(&TOzelliklerFrm::YZGorunurlukComboChange));
    connect(EksenciklerGorunurlukCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::EksenciklerGorunurlukComboDblClick));
    connect(XYGorunurlukCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::XYGorunurlukComboDblClick));
    connect(XZGorunurlukCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::XZGorunurlukComboDblClick));
    connect(YZGorunurlukCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::YZGorunurlukComboDblClick));
    connect(PerspektifCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::PerspektifComboDblClick));
    connect(YumusakCizgilerCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::YumusakCizgilerComboDblClick));
    connect(
        GostergeCombo, &TComboBox::DblClick, this, guarded(&TOzelliklerFrm::GostergeComboDblClick));
    connect(EksenSayilariCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::EksenSayilariComboDblClick));
    connect(EksenciklerColorCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::EksenciklerColorComboDblClick));
    connect(ArkapilanColorCombo, &TComboBox::DblClick, this,
        guarded(&TOzelliklerFrm::ArkapilanColorComboDblClick));
    connect(
        XYColorCombo, &TComboBox::DblClick, this, guarded(&TOzelliklerFrm::XYColorComboDblClick));
    connect(
        XZColorCombo, &TComboBox::DblClick, this, guarded(&TOzelliklerFrm::XZColorComboDblClick));
    connect(
        YZColorCombo, &TComboBox::DblClick, this, guarded(&TOzelliklerFrm::YZColorComboDblClick));
    connect(VarsayiliOYukleBtn, &QPushButton::clicked, this,
        guarded(&TOzelliklerFrm::VarsayiliOYukleBtnClick));
}

QWidget* TOzelliklerFrm::CreateGeneralPage()
{
    auto* page = new QWidget;

    auto* axes = new QGroupBox(tr("Bakış Eksencikleri "), page);
    EksenciklerColorCombo = new TColorCombo;
    EksenciklerGorunurlukCombo = visibilityCombo();
    QFormLayout* axesForm = formLayout(axes);
    axesForm->addRow(tr("Rengi"), EksenciklerColorCombo);
    axesForm->addRow(tr("Görünürlük"), EksenciklerGorunurlukCombo);

    auto* other = new QGroupBox(tr("Diğer Özellikler "), page);
    ArkapilanColorCombo = new TColorCombo;
    PerspektifCombo = twoItemCombo(QT_TR_NOOP("On"), QT_TR_NOOP("Off"));
    AnimIntervalKEdit = new QSpinBox;
    AnimIntervalKEdit->setRange(1, 5000);
    AnimIntervalKEdit->setSingleStep(10);
    AnimIntervalKEdit->setValue(DesignAnimInterval);
    auto* interval = new QHBoxLayout;
    interval->addWidget(AnimIntervalKEdit);
    interval->addWidget(new QLabel(tr("sn/1000")));
    interval->addStretch();
    QFormLayout* otherForm = formLayout(other);
    otherForm->addRow(tr("Arkaplan Rengi"), ArkapilanColorCombo);
    otherForm->addRow(tr("Perspektif"), PerspektifCombo);
    otherForm->addRow(new QLabel(tr("Hareketlendirme\nÇizim Zaman Aralığı")), interval);
    YumusakCizgilerCombo = twoItemCombo(QT_TR_NOOP("On"), QT_TR_NOOP("Off"));
    otherForm->addRow(tr("Yumuşak Çizgiler"), YumusakCizgilerCombo);
    GostergeCombo = twoItemCombo(QT_TR_NOOP("On"), QT_TR_NOOP("Off"));
    otherForm->addRow(tr("Gösterge"), GostergeCombo);
    EksenSayilariCombo = twoItemCombo(QT_TR_NOOP("On"), QT_TR_NOOP("Off"));
    otherForm->addRow(tr("Eksen Sayıları"), EksenSayilariCombo);

    VarsayiliYapCBox = new QCheckBox(tr("Bu özellikleri Varsayılı Özellikler yap"), page);
    VarsayiliOYukleBtn = new QPushButton(tr("Varsayılı Özellikleri Yükle"), page);
    auto* load = new QHBoxLayout;
    load->addWidget(VarsayiliOYukleBtn);
    load->addStretch();

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(axes);
    layout->addWidget(other);
    layout->addWidget(VarsayiliYapCBox);
    layout->addLayout(load);
    layout->addStretch();
    return page;
}

QWidget* TOzelliklerFrm::CreatePlanesPage()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    for (int i = 0; i < 3; ++i) {
        auto* group = new QGroupBox(tr(PlaneTitles[i]), page);
        TPlaneControls& plane = FPlanes[i];
        plane.Color = new TColorCombo;
        plane.Thickness = new QSpinBox;
        plane.Thickness->setRange(1, 20);
        plane.Visibility = visibilityCombo();
        QFormLayout* form = formLayout(group);
        form->addRow(tr("Izgara Rengi"), plane.Color);
        auto* thickness = new QHBoxLayout;
        thickness->addWidget(plane.Thickness);
        thickness->addStretch();
        form->addRow(tr("Çizgi Kalınlığı"), thickness);
        form->addRow(tr("Görünürlük"), plane.Visibility);
        layout->addWidget(group);
    }
    layout->addStretch();
    XYColorCombo = FPlanes[0].Color;
    XYCizgiKEdit = FPlanes[0].Thickness;
    XYGorunurlukCombo = FPlanes[0].Visibility;
    XZColorCombo = FPlanes[1].Color;
    XZCizgiKEdit = FPlanes[1].Thickness;
    XZGorunurlukCombo = FPlanes[1].Visibility;
    YZColorCombo = FPlanes[2].Color;
    YZCizgiKEdit = FPlanes[2].Thickness;
    YZGorunurlukCombo = FPlanes[2].Visibility;
    return page;
}

void TOzelliklerFrm::Fill(const TGraphSettings& s)
{
    EksenciklerColorCombo->SetColor(s.LAxisesColor);
    EksenciklerGorunurlukCombo->setCurrentIndex(firstOrSecond(s.LAxisesVisible));
    ArkapilanColorCombo->SetColor(s.Background);
    AnimIntervalKEdit->setValue(s.AnimInterval);
    PerspektifCombo->setCurrentIndex(firstOrSecond(s.Perspective));
    YumusakCizgilerCombo->setCurrentIndex(firstOrSecond(s.SmoothLines));
    GostergeCombo->setCurrentIndex(firstOrSecond(s.Legend));
    EksenSayilariCombo->setCurrentIndex(firstOrSecond(s.AxisNumbers));
    for (int i = 0; i < 3; ++i) {
        FPlanes[i].Visibility->setCurrentIndex(firstOrSecond(s.Planes[i].Visible));
        FPlanes[i].Thickness->setValue(s.Planes[i].Thickness);
        FPlanes[i].Color->SetColor(s.Planes[i].Color);
    }
    // The rule holds even where a combo kept its index and sent no change.
    XYGorunurlukComboChange();
    XZGorunurlukComboChange();
    YZGorunurlukComboChange();
    EksenciklerGorunurlukComboChange();
}

TGraphSettings TOzelliklerFrm::Values() const
{
    TGraphSettings s;
    s.LAxisesColor = EksenciklerColorCombo->Color();
    s.LAxisesVisible = showsFirst(EksenciklerGorunurlukCombo);
    s.Background = ArkapilanColorCombo->Color();
    s.Perspective = showsFirst(PerspektifCombo);
    s.AnimInterval = AnimIntervalKEdit->value();
    s.SmoothLines = showsFirst(YumusakCizgilerCombo);
    s.Legend = showsFirst(GostergeCombo);
    s.AxisNumbers = showsFirst(EksenSayilariCombo);
    for (int i = 0; i < 3; ++i)
        s.Planes[i] = { FPlanes[i].Color->Color(), FPlanes[i].Thickness->value(),
            showsFirst(FPlanes[i].Visibility) };
    return s;
}

void TOzelliklerFrm::FormClose()
{
    if (!VarsayiliYapCBox->isChecked())
        return;
    TIniFile file(FSettingsFile);
    WriteGraphSettings(file, Values());
}

void TOzelliklerFrm::done(int result)
{
    // A defaults file that cannot be written must not cost the user the values
    // confirmed for the window: the error is shown and the window still closes.
    Guarded([this] { FormClose(); });
    QDialog::done(result);
}

void TOzelliklerFrm::VarsayiliOYukleBtnClick()
{
    // Only the combos' and spins' values matter here; the rule follows in Fill.
    Fill(ReadGraphSettings(TIniFile(FSettingsFile), Values()));
}

void TOzelliklerFrm::PlaneVisibilityChanged(int plane)
{
    const bool enabled = showsFirst(FPlanes[plane].Visibility);
    FPlanes[plane].Color->setEnabled(enabled);
    FPlanes[plane].Thickness->setEnabled(enabled);
}

void TOzelliklerFrm::XYGorunurlukComboChange() { PlaneVisibilityChanged(0); }
void TOzelliklerFrm::XZGorunurlukComboChange() { PlaneVisibilityChanged(1); }
void TOzelliklerFrm::YZGorunurlukComboChange() { PlaneVisibilityChanged(2); }

void TOzelliklerFrm::EksenciklerGorunurlukComboChange()
{
    EksenciklerColorCombo->setEnabled(showsFirst(EksenciklerGorunurlukCombo));
}

void TOzelliklerFrm::Toggle(TComboBox* combo)
{
    // No selection (-1) gives the first item.
    combo->setCurrentIndex((combo->currentIndex() + 1) % 2);
}

void TOzelliklerFrm::XYGorunurlukComboDblClick()
{
    Toggle(XYGorunurlukCombo);
    XYGorunurlukComboChange();
}

void TOzelliklerFrm::XZGorunurlukComboDblClick()
{
    Toggle(XZGorunurlukCombo);
    XZGorunurlukComboChange();
}

void TOzelliklerFrm::YZGorunurlukComboDblClick()
{
    Toggle(YZGorunurlukCombo);
    YZGorunurlukComboChange();
}

void TOzelliklerFrm::EksenciklerGorunurlukComboDblClick()
{
    Toggle(EksenciklerGorunurlukCombo);
    EksenciklerGorunurlukComboChange();
}

void TOzelliklerFrm::PerspektifComboDblClick() { Toggle(PerspektifCombo); }
void TOzelliklerFrm::YumusakCizgilerComboDblClick() { Toggle(YumusakCizgilerCombo); }
void TOzelliklerFrm::GostergeComboDblClick() { Toggle(GostergeCombo); }
void TOzelliklerFrm::EksenSayilariComboDblClick() { Toggle(EksenSayilariCombo); }

void TOzelliklerFrm::PickColor(TColorCombo* combo)
{
    combo->SetColor(SelectColor(this, combo->Color()));
}

void TOzelliklerFrm::EksenciklerColorComboDblClick() { PickColor(EksenciklerColorCombo); }
void TOzelliklerFrm::ArkapilanColorComboDblClick() { PickColor(ArkapilanColorCombo); }
void TOzelliklerFrm::XYColorComboDblClick() { PickColor(XYColorCombo); }
void TOzelliklerFrm::XZColorComboDblClick() { PickColor(XZColorCombo); }
void TOzelliklerFrm::YZColorComboDblClick() { PickColor(YZColorCombo); }

void TOzelliklerFrm::keyPressEvent(QKeyEvent* event)
{
    if (!AnswerDialogKey(event, [] { ShowDialogHelp(HelpContext); }))
        QDialog::keyPressEvent(event);
}
