#pragma once

#include "ui/dialogs/preset_dialog.h"

class QGroupBox;
class QRadioButton;
class TSpinEdit;

// The view-direction dialog: the two view angles of a graph window in whole
// degrees, with the front, top and side presets. It only edits the numbers;
// "&Tamam" gives the OK result.
class TBakisFrm : public TPresetDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 8;
    static constexpr int ClientWidth = 241;
    static constexpr int ClientHeight = 183;

    explicit TBakisFrm(QWidget* parent = nullptr);

    void OndenRadioBtnClick();
    void UsttenRadioBtnClick();
    void YandanRadioBtnClick();

    QGroupBox* KonumGroup = nullptr;
    QRadioButton* OndenRadioBtn = nullptr;
    QRadioButton* UsttenRadioBtn = nullptr;
    QRadioButton* YandanRadioBtn = nullptr;
    TSpinEdit* XEkseniEdit = nullptr;
    TSpinEdit* YEkseniEdit = nullptr;
};
