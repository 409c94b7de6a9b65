#pragma once

#include "render/color.h"

class QComboBox;
class QDialog;
class QFrame;
class QPushButton;
class QTableView;
class QToolButton;
class QWidget;
class TColorCombo;
class TCurveGridModel;
class TCurveTable;
class TImage;

// The controls of the library window and their places: the range list and the
// record navigator above, the grid of the table's curves in the middle with the
// four previews, their view, plane and style buttons and the two colour lists
// beside it, the command buttons below. The window creates them on itself and
// connects them to its own handlers.
class TLibraryWindowControls {
public:
    static constexpr int FrameWidth = 102; // the raised frames of the previews
    static constexpr int FrameHeight = 86;

protected:
    void CreateControls(QDialog* window, TCurveTable& table, TColor curveColour);

    QComboBox* RangeComboBox = nullptr;
    QWidget* DBNavigator = nullptr;
    QToolButton* FNavigatorButtons[6] = {};
    QTableView* DBGrid1 = nullptr;
    TCurveGridModel* FGridModel = nullptr;
    QWidget* FPreviewPanel = nullptr;
    QFrame* OndenGorBevel = nullptr;
    QFrame* UsttenGorBevel = nullptr;
    QFrame* YandanGorBevel = nullptr;
    QFrame* PerspektifGorBevel = nullptr;
    TImage* OndenGorImage = nullptr;
    TImage* UsttenGorImage = nullptr;
    TImage* YandanGorImage = nullptr;
    TImage* PerspektifGorImage = nullptr;
    QToolButton* OndenGorBtn = nullptr;
    QToolButton* UsttenGorBtn = nullptr;
    QToolButton* YandanGorBtn = nullptr;
    QToolButton* PerspektifGorBtn = nullptr;
    QToolButton* TumGorBtn = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QToolButton* SpeedButton2 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    QToolButton* CizgiCizimBtn = nullptr;
    QToolButton* NoktaCizimBtn = nullptr;
    TColorCombo* ColorCombo = nullptr;
    TColorCombo* ArkapilanColorCombo = nullptr;
    QPushButton* BtnKaydet = nullptr;
    QPushButton* BtnGeriAl = nullptr;
    QPushButton* BtnTamam = nullptr;
    QPushButton* BtnVazgec = nullptr;
    QPushButton* BtnKapan = nullptr;
    QPushButton* BtnYardim = nullptr;
};
