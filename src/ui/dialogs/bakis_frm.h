#pragma once

#include <QDialog>

class QGroupBox;
class QPushButton;
class QRadioButton;
class TSpinEdit;

// The view-direction dialog: the two view angles of a graph window in whole
// degrees, with the front, top and side presets. It only edits the numbers.
class TBakisFrm : public QDialog {
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
    // "&Tamam" gives the OK result and also answers the Escape key; "&Vazgeç"
    // and the close box give another result.
    QPushButton* BtnTamam = nullptr;
    QPushButton* BtnVazgec = nullptr;

protected:
    void keyPressEvent(QKeyEvent* event) override;
};
