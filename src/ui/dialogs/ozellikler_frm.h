#pragma once

#include "files/graph_settings.h"

#include <QDialog>
#include <QString>

#include <array>

class QCheckBox;
class QPushButton;
class QSpinBox;
class QTabWidget;
class TColorCombo;
class TComboBox;

// The properties window: the look of one scene (little axes, background,
// perspective, animation interval, the three reference planes). It only edits
// its controls; whoever opens it fills them and takes them back. Its values can
// become the defaults of new graph windows in the settings file, and the stored
// defaults can be loaded into it.
class TOzelliklerFrm : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 10;
    // The interval field's value before any Fill.
    static constexpr int DesignAnimInterval = 10;
    static constexpr int ClientWidth = 326;
    static constexpr int ClientHeight = 367;

    // settingsFile is where the defaults are written and loaded from.
    explicit TOzelliklerFrm(const QString& settingsFile, QWidget* parent = nullptr);

    const QString& SettingsFile() const { return FSettingsFile; }

    // Fills the controls and applies the enabling rule.
    void Fill(const TGraphSettings& settings);
    // What the controls show; visibility and perspective are on when their
    // combo shows its first item.
    TGraphSettings Values() const;

    // Handlers, by their given names.
    // Writes the graph keys when VarsayiliYapCBox is ticked; run on every way
    // of closing. Raises EIniFileError when the file cannot be written.
    void FormClose();
    void VarsayiliOYukleBtnClick();
    void XYGorunurlukComboChange();
    void XZGorunurlukComboChange();
    void YZGorunurlukComboChange();
    void EksenciklerGorunurlukComboChange();
    void XYGorunurlukComboDblClick();
    void XZGorunurlukComboDblClick();
    void YZGorunurlukComboDblClick();
    void EksenciklerGorunurlukComboDblClick();
    void PerspektifComboDblClick();
    void YumusakCizgilerComboDblClick();
    void GostergeComboDblClick();
    void EksenSayilariComboDblClick();
    void EksenciklerColorComboDblClick();
    void ArkapilanColorComboDblClick();
    void XYColorComboDblClick();
    void XZColorComboDblClick();
    void YZColorComboDblClick();

    // Controls, by their design names.
    QTabWidget* PageControl1 = nullptr;
    TColorCombo* EksenciklerColorCombo = nullptr;
    TComboBox* EksenciklerGorunurlukCombo = nullptr;
    TColorCombo* ArkapilanColorCombo = nullptr;
    TComboBox* PerspektifCombo = nullptr;
    QSpinBox* AnimIntervalKEdit = nullptr;
    TComboBox* YumusakCizgilerCombo = nullptr;
    TComboBox* GostergeCombo = nullptr;
    TComboBox* EksenSayilariCombo = nullptr;
    QCheckBox* VarsayiliYapCBox = nullptr;
    QPushButton* VarsayiliOYukleBtn = nullptr;
    TColorCombo* XYColorCombo = nullptr;
    QSpinBox* XYCizgiKEdit = nullptr;
    TComboBox* XYGorunurlukCombo = nullptr;
    TColorCombo* XZColorCombo = nullptr;
    QSpinBox* XZCizgiKEdit = nullptr;
    TComboBox* XZGorunurlukCombo = nullptr;
    TColorCombo* YZColorCombo = nullptr;
    QSpinBox* YZCizgiKEdit = nullptr;
    TComboBox* YZGorunurlukCombo = nullptr;
    QPushButton* TamamButton = nullptr;
    QPushButton* VazgecButton = nullptr;

    // Closing by any way (Tamam, Vazgeç, Escape, the close box) runs FormClose;
    // a failed write is reported and the window closes all the same, with the
    // result the user chose.
    void done(int result) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct TPlaneControls {
        TColorCombo* Color;
        QSpinBox* Thickness;
        TComboBox* Visibility;
    };

    void CreateControls();
    QWidget* CreateGeneralPage();
    QWidget* CreatePlanesPage();
    void PlaneVisibilityChanged(int plane);
    void Toggle(TComboBox* combo);
    void PickColor(TColorCombo* combo);

    QString FSettingsFile;
    std::array<TPlaneControls, 3> FPlanes {};
};
