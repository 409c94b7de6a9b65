#include "ui/dialogs/bakis_frm.h"

#include "ui/dialogs/spin_edit.h"
#include "ui/platform/error_report.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TBakisFrm::TBakisFrm(QWidget* parent)
    : TPresetDialog(parent, tr("Bakış"), HelpContext)
{

    KonumGroup = new QGroupBox(tr(" Konum "), this);
    OndenRadioBtn = new QRadioButton(tr("Önden"));
    UsttenRadioBtn = new QRadioButton(tr("Üstten"));
    YandanRadioBtn = new QRadioButton(tr("Yandan"));
    auto* konum = new QVBoxLayout(KonumGroup);
    konum->addWidget(OndenRadioBtn);
    konum->addWidget(UsttenRadioBtn);
    konum->addWidget(YandanRadioBtn);
    konum->addStretch();

    XEkseniEdit = new TSpinEdit;
    YEkseniEdit = new TSpinEdit;
    auto* angles = new QGridLayout;
    angles->addWidget(new QLabel(tr(" Döndürme Açıları ")), 0, 0, 1, 2);
    angles->addWidget(new QLabel(tr("X Ekseni")), 1, 0);
    angles->addWidget(XEkseniEdit, 1, 1);
    angles->addWidget(new QLabel(tr("Y Ekseni")), 2, 0);
    angles->addWidget(YEkseniEdit, 2, 1);
    angles->setRowStretch(3, 1);

    connect(BtnTamam, &QPushButton::clicked, this, &QDialog::accept);
    connect(OndenRadioBtn, &QRadioButton::clicked, this,
        [this] { Guarded([this] { OndenRadioBtnClick(); }); });
    connect(UsttenRadioBtn, &QRadioButton::clicked, this,
        [this] { Guarded([this] { UsttenRadioBtnClick(); }); });
    connect(YandanRadioBtn, &QRadioButton::clicked, this,
        [this] { Guarded([this] { YandanRadioBtnClick(); }); });
    Arrange(KonumGroup, angles, ClientWidth, ClientHeight);
}

void TBakisFrm::OndenRadioBtnClick()
{
    XEkseniEdit->SetValue(0);
    YEkseniEdit->SetValue(0);
}

void TBakisFrm::UsttenRadioBtnClick()
{
    XEkseniEdit->SetValue(90);
    YEkseniEdit->SetValue(0);
}

void TBakisFrm::YandanRadioBtnClick()
{
    XEkseniEdit->SetValue(0);
    YEkseniEdit->SetValue(-90);
}
