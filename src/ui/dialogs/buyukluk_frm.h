#pragma once

#include "ui/dialogs/preset_dialog.h"

class QGroupBox;
class QRadioButton;
class TSpinEdit;

// The zoom dialog: the zoom percent of a graph window, with five presets. It
// only edits the number, and refuses to confirm a percent below 1.
class TBuyuklukFrm : public TPresetDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 9;
    static constexpr int ClientWidth = 233;
    static constexpr int ClientHeight = 177;
    static constexpr const char* PercentTooSmall
        = QT_TR_NOOP("Büyüklük yüzdesi 1 veya daha büyük olmalıdır");

    explicit TBuyuklukFrm(QWidget* parent = nullptr);

    // Shared by the five radio buttons: the spin takes the clicked one's percent.
    void RadioButtonClick(QRadioButton* button);
    // Confirms, unless the percent is below 1: that is reported and the dialog
    // stays open with the spin selected.
    void BtnTamamClick();

    QGroupBox* OranGroup = nullptr;
    QRadioButton* O400RadioButton = nullptr;
    QRadioButton* O200RadioButton = nullptr;
    QRadioButton* O100RadioButton = nullptr;
    QRadioButton* O75RadioButton = nullptr;
    QRadioButton* O25RadioButton = nullptr;
    TSpinEdit* BuyuklukSEdit = nullptr;
};
