#include "ui/dialogs/animasyon_frm.h"

#include "base/number_text.h"
#include "ui/platform/error_report.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {
constexpr int MaxFrames = 10000;
constexpr int MaxSize = 20000;

QString numberText(long double value) { return QString::fromStdString(FloatToText(value)); }

QSpinBox* spin(int minimum, int maximum)
{
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    return box;
}

// The order of the type list.
constexpr TAnimationFileType Types[]
    = { TAnimationFileType::Gif, TAnimationFileType::WebP, TAnimationFileType::NumberedPng };
}

TAnimasyonFrm::TAnimasyonFrm(const std::vector<TParameter>& parameters, QWidget* parent)
    : QDialog(parent)
    , FParameters(parameters)
{
    setWindowTitle(tr(Caption));
    auto* move = new QGroupBox(tr("Hareket"));
    ParameterRadio = new QRadioButton(tr("&Parametre:"));
    ParameterCombo = new QComboBox;
    for (const TParameter& p : FParameters)
        ParameterCombo->addItem(QString::fromStdString(p.Name));
    FromEdit = new QLineEdit;
    ToEdit = new QLineEdit;
    TurnRadio = new QRadioButton(tr("&Görünüşü döndür, açı (derece):"));
    DegreesEdit = new QLineEdit(numberText(360));
    auto* moveLayout = new QFormLayout(move);
    moveLayout->addRow(ParameterRadio, ParameterCombo);
    moveLayout->addRow(tr("Başlangıç:"), FromEdit);
    moveLayout->addRow(tr("Bitiş:"), ToEdit);
    moveLayout->addRow(TurnRadio, DegreesEdit);
    const bool hasParameters = !FParameters.empty();
    ParameterRadio->setEnabled(hasParameters);
    ParameterCombo->setEnabled(hasParameters);
    FromEdit->setEnabled(hasParameters);
    ToEdit->setEnabled(hasParameters);
    (hasParameters ? ParameterRadio : TurnRadio)->setChecked(true);

    FramesSpin = spin(1, MaxFrames);
    FramesSpin->setValue(60);
    FpsSpin = spin(1, 100);
    FpsSpin->setValue(20);
    WidthSpin = spin(1, MaxSize);
    WidthSpin->setValue(800);
    HeightSpin = spin(1, MaxSize);
    HeightSpin->setValue(600);
    TypeCombo = new QComboBox;
    TypeCombo->addItems({ tr("Hareketli GIF (*.gif)"), tr("Hareketli WebP (*.webp)"),
        tr("Numaralı PNG dosyaları (ad_001.png, ad_002.png, ...)") });
    auto* fields = new QFormLayout;
    fields->addRow(tr("&Resim sayısı:"), FramesSpin);
    fields->addRow(tr("&Saniyede resim:"), FpsSpin);
    fields->addRow(tr("&Genişlik:"), WidthSpin);
    fields->addRow(tr("&Yükseklik:"), HeightSpin);
    fields->addRow(tr("&Dosya türü:"), TypeCombo);

    BtnTamam = new QPushButton(tr("&Tamam"));
    BtnTamam->setDefault(true);
    BtnVazgec = new QPushButton(tr("&Vazgeç"));
    connect(
        BtnTamam, &QPushButton::clicked, this, [this] { Guarded([this] { BtnTamamClick(); }); });
    connect(BtnVazgec, &QPushButton::clicked, this, &QDialog::reject);
    connect(ParameterCombo, &QComboBox::currentIndexChanged, this, &TAnimasyonFrm::ParameterChosen);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnTamam);
    buttons->addWidget(BtnVazgec);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(move);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    ParameterChosen(ParameterCombo->currentIndex());
}

void TAnimasyonFrm::ParameterChosen(int index)
{
    if (index < 0 || index >= static_cast<int>(FParameters.size()))
        return;
    const TParameter& p = FParameters[static_cast<std::size_t>(index)];
    FromEdit->setText(numberText(p.Min));
    ToEdit->setText(numberText(p.Max));
}

void TAnimasyonFrm::SetValues(const TAnimationSettings& values)
{
    const int index = ParameterCombo->findText(QString::fromStdString(values.Move.Parameter));
    if (index >= 0) {
        ParameterCombo->setCurrentIndex(index);
        FromEdit->setText(numberText(values.Move.From));
        ToEdit->setText(numberText(values.Move.To));
    }
    (values.Move.Turn || FParameters.empty() ? TurnRadio : ParameterRadio)->setChecked(true);
    DegreesEdit->setText(numberText(values.Move.Degrees));
    FramesSpin->setValue(values.Move.Frames);
    FpsSpin->setValue(values.FramesPerSecond);
    WidthSpin->setValue(values.Width);
    HeightSpin->setValue(values.Height);
    for (int i = 0; i < 3; ++i)
        if (Types[i] == values.Type)
            TypeCombo->setCurrentIndex(i);
}

TAnimationSettings TAnimasyonFrm::Values() const
{
    TAnimationSettings v;
    v.Move.Turn = TurnRadio->isChecked();
    v.Move.Parameter = ParameterCombo->currentText().toStdString();
    TryTextToFloat(FromEdit->text().trimmed().toStdString(), v.Move.From);
    TryTextToFloat(ToEdit->text().trimmed().toStdString(), v.Move.To);
    TryTextToFloat(DegreesEdit->text().trimmed().toStdString(), v.Move.Degrees);
    v.Move.Frames = FramesSpin->value();
    v.FramesPerSecond = FpsSpin->value();
    v.Width = WidthSpin->value();
    v.Height = HeightSpin->value();
    v.Type = Types[std::max(0, TypeCombo->currentIndex())];
    return v;
}

void TAnimasyonFrm::BtnTamamClick()
{
    QLineEdit* const checked[3] = { FromEdit, ToEdit, DegreesEdit };
    for (QLineEdit* edit : checked) {
        if (!edit->isEnabled() || (edit == DegreesEdit) != TurnRadio->isChecked())
            continue;
        long double value = 0;
        if (!TryTextToFloat(edit->text().trimmed().toStdString(), value)) {
            edit->setFocus();
            edit->selectAll();
            TextToFloat(edit->text().trimmed().toStdString()); // raises the conversion message
        }
    }
    accept();
}
