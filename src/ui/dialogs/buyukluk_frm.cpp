#include "ui/dialogs/buyukluk_frm.h"

#include "ui/dialogs/spin_edit.h"
#include "ui/platform/error_report.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// The percent a preset carries, as its tag.
constexpr const char* PercentTag = "tag";
}

TBuyuklukFrm::TBuyuklukFrm(QWidget* parent)
    : TPresetDialog(parent, tr("Büyüklük"), HelpContext)
{

    OranGroup = new QGroupBox(tr(" Oran "), this);
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
    percent->addWidget(new QLabel(tr("Yüzde:")), 0, 0);
    percent->addWidget(BuyuklukSEdit, 1, 0);
    percent->setRowStretch(2, 1);

    connect(
        BtnTamam, &QPushButton::clicked, this, [this] { Guarded([this] { BtnTamamClick(); }); });
    Arrange(OranGroup, percent, ClientWidth, ClientHeight);
}

void TBuyuklukFrm::RadioButtonClick(QRadioButton* button)
{
    BuyuklukSEdit->SetValue(button->property(PercentTag).toInt());
}

void TBuyuklukFrm::BtnTamamClick()
{
    // The graph window's scale is 5 / percent: a percent below 1 has no picture.
    if (BuyuklukSEdit->value() < 1) {
        ReportError(tr(PercentTooSmall));
        BuyuklukSEdit->setFocus();
        BuyuklukSEdit->selectAll();
        return;
    }
    accept();
}
