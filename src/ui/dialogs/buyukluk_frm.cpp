#include "ui/dialogs/buyukluk_frm.h"

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

namespace {
// The percent a preset carries, as its tag.
constexpr const char* PercentTag = "tag";
}

TBuyuklukFrm::TBuyuklukFrm(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle("Büyüklük");

    OranGroup = new QGroupBox(" Oran ", this);
    auto* oran = new QVBoxLayout(OranGroup);
    const auto preset = [&](int percent) {
        auto* button = new QRadioButton("%" + QString::number(percent));
        button->setProperty(PercentTag, percent);
        oran->addWidget(button);
        connect(button, &QRadioButton::clicked, this,
            [this, button] { Guarded([&] { RadioButtonClick(button); }); });
        return button;
    };
    O400RadioButton = preset(400);
    O200RadioButton = preset(200);
    O100RadioButton = preset(100);
    O75RadioButton = preset(75);
    O25RadioButton = preset(25);

    BuyuklukSEdit = new TSpinEdit;
    auto* percent = new QGridLayout;
    percent->addWidget(new QLabel("Yüzde:"), 0, 0);
    percent->addWidget(BuyuklukSEdit, 1, 0);
    percent->setRowStretch(2, 1);

    BtnTamam = new QPushButton("&Tamam");
    BtnTamam->setToolTip("Yapılan değişiklikleri onaylamak için bu butona basın");
    BtnTamam->setDefault(true);
    BtnVazgec = new QPushButton("&Vazgeç");
    BtnVazgec->setToolTip("Yapılan değişiklikleri geri almak için bu butona basın");
    connect(
        BtnTamam, &QPushButton::clicked, this, [this] { Guarded([this] { BtnTamamClick(); }); });
    connect(BtnVazgec, &QPushButton::clicked, this, &QDialog::reject);

    auto* top = new QHBoxLayout;
    top->addWidget(OranGroup);
    top->addLayout(percent);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnTamam);
    buttons->addWidget(BtnVazgec);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(ClientWidth, ClientHeight);
}

void TBuyuklukFrm::RadioButtonClick(QRadioButton* button)
{
    BuyuklukSEdit->SetValue(button->property(PercentTag).toInt());
}

void TBuyuklukFrm::BtnTamamClick()
{
    // The graph window's scale is 5 / percent: a percent below 1 has no picture.
    if (BuyuklukSEdit->value() < 1) {
        ReportError(QString::fromUtf8(PercentTooSmall));
        BuyuklukSEdit->setFocus();
        BuyuklukSEdit->selectAll();
        return;
    }
    accept();
}

void TBuyuklukFrm::keyPressEvent(QKeyEvent* event)
{
    if (!AnswerDialogKey(
            event, [] { ShowDialogHelp(HelpContext); }, BtnTamam))
        QDialog::keyPressEvent(event);
}
