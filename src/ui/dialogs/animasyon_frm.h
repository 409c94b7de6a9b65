#pragma once

#include "curves/parameters.h"
#include "files/animation_run.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

// What "Animasyon Kaydet..." writes: what moves, how many frames at what rate, the size of the
// picture and the kind of file.
struct TAnimationSettings {
    TAnimationMove Move;
    int FramesPerSecond = 20;
    int Width = 800;
    int Height = 600;
    TAnimationFileType Type = TAnimationFileType::Gif;
};

// The animation dialog: one of the window's parameters from a start to an end value (its range
// at first) or the view turning about its vertical axis (360 degrees at first), the number of
// frames, frames a second, the size and the file type. Values in, values out; "&Tamam"
// confirms only numbers that read.
class TAnimasyonFrm : public QDialog {
    Q_OBJECT

public:
    static constexpr const char* Caption = QT_TR_NOOP("Animasyon Kaydet");

    TAnimasyonFrm(const std::vector<TParameter>& parameters, QWidget* parent = nullptr);

    // The fields take values (the parameter named there, or the first, with its range when
    // values names none); Values gives them back.
    void SetValues(const TAnimationSettings& values);
    TAnimationSettings Values() const;
    // Confirms when every number reads; otherwise reports the first that does not and keeps
    // the dialog open with that field selected.
    void BtnTamamClick();

    QRadioButton* ParameterRadio = nullptr;
    QComboBox* ParameterCombo = nullptr;
    QLineEdit* FromEdit = nullptr;
    QLineEdit* ToEdit = nullptr;
    QRadioButton* TurnRadio = nullptr;
    QLineEdit* DegreesEdit = nullptr;
    QSpinBox* FramesSpin = nullptr;
    QSpinBox* FpsSpin = nullptr;
    QSpinBox* WidthSpin = nullptr;
    QSpinBox* HeightSpin = nullptr;
    QComboBox* TypeCombo = nullptr;
    QPushButton* BtnTamam = nullptr;
    QPushButton* BtnVazgec = nullptr;

private:
    void ParameterChosen(int index);

    std::vector<TParameter> FParameters;
};
