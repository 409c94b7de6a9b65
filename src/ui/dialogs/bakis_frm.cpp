#include "ui/dialogs/bakis_frm.h"

#include "ui/dialogs/dialog_help.h"
#include "ui/dialogs/spin_edit.h"
#include "ui/platform/dialog_keys.h"
#include "ui/platform/error_report.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TBakisFrm::TBakisFrm(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle("Bakış");

    KonumGroup = new QGroupBox(" Konum ", this);
    OndenRadioBtn = new QRadioButton("Önden");
    UsttenRadioBtn = new QRadioButton("Üstten");
    YandanRadioBtn = new QRadioButton("Yandan");
    auto* konum = new QVBoxLayout(KonumGroup);
    konum->addWidget(OndenRadioBtn);
    konum->addWidget(UsttenRadioBtn);
    konum->addWidget(YandanRadioBtn);
    konum->addStretch();

    XEkseniEdit = new TSpinEdit;
    YEkseniEdit = new TSpinEdit;
    auto* angles = new QGridLayout;
    angles->addWidget(new QLabel(" Döndürme Açıları "), 0, 0, 1, 2);
    angles->addWidget(new QLabel("X Ekseni"), 1, 0);
    angles->addWidget(XEkseniEdit, 1, 1);
    angles->addWidget(new QLabel("Y Ekseni"), 2, 0);
    angles->addWidget(YEkseniEdit, 2, 1);
    angles->setRowStretch(3, 1);

    BtnTamam = new QPushButton("&Tamam");
    BtnTamam->setToolTip("Yapılan değişiklikleri onaylamak için bu butona basın");
    BtnTamam->setDefault(true);
    BtnVazgec = new QPushButton("&Vazgeç");
    BtnVazgec->setToolTip("Yapılan değişiklikleri geri almak için bu butona basın");
    connect(BtnTamam, &QPushButton::clicked, this, &QDialog::accept);
    connect(BtnVazgec, &QPushButton::clicked, this, &QDialog::reject);
    connect(OndenRadioBtn, &QRadioButton::clicked, this,
        [this] { Guarded([this] { OndenRadioBtnClick(); }); });
    connect(UsttenRadioBtn, &QRadioButton::clicked, this,
        [this] { Guarded([this] { UsttenRadioBtnClick(); }); });
    connect(YandanRadioBtn, &QRadioButton::clicked, this,
        [this] { Guarded([this] { YandanRadioBtnClick(); }); });

    auto* top = new QHBoxLayout;
    top->addWidget(KonumGroup);
    top->addLayout(angles);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnTamam);
    buttons->addWidget(BtnVazgec);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(ClientWidth, ClientHeight);
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

void TBakisFrm::keyPressEvent(QKeyEvent* event)
{
    if (!AnswerDialogKey(
            event, [] { ShowDialogHelp(HelpContext); }, BtnTamam))
        QDialog::keyPressEvent(event);
}
