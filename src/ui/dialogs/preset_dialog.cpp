#include "ui/dialogs/preset_dialog.h"

#include "ui/dialogs/dialog_help.h"
#include "ui/platform/dialog_keys.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

TPresetDialog::TPresetDialog(QWidget* parent, const QString& caption, int helpContext)
    : QDialog(parent)
    , FHelpContext(helpContext)
{
    setWindowTitle(caption);
    BtnTamam = new QPushButton(tr("&Tamam"));
    BtnTamam->setToolTip(tr("Yapılan değişiklikleri onaylamak için bu butona basın"));
    BtnTamam->setDefault(true);
    BtnVazgec = new QPushButton(tr("&Vazgeç"));
    BtnVazgec->setToolTip(tr("Yapılan değişiklikleri geri almak için bu butona basın"));
    connect(BtnVazgec, &QPushButton::clicked, this, &QDialog::reject);
}

void TPresetDialog::Arrange(QGroupBox* presets, QLayout* fields, int clientWidth, int clientHeight)
{
    auto* top = new QHBoxLayout;
    top->addWidget(presets);
    top->addLayout(fields);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(BtnTamam);
    buttons->addWidget(BtnVazgec);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    resize(clientWidth, clientHeight);
}

void TPresetDialog::keyPressEvent(QKeyEvent* event)
{
    const int context = FHelpContext;
    if (!AnswerDialogKey(
            event, [context] { ShowDialogHelp(context); }, BtnTamam))
        QDialog::keyPressEvent(event);
}
