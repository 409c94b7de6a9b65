#pragma once

#include "ui/main/tiler.h"

#include <QDialog>
#include <QString>

#include <functional>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;
class TFilenameEdit;

// The wallpaper dialog: whether a wallpaper is shown, which bitmap file and in
// which placement. It only holds the choice; DuvarKagidiClick applies it.
class TWallPDialogFrm : public QDialog {
    Q_OBJECT

public:
    static constexpr int HelpContext = 12;
    static constexpr int GorunumuCount = 11;

    explicit TWallPDialogFrm(QWidget* owner = nullptr);

    QGroupBox* GroupBox1() const { return FGroupBox1; }
    TFilenameEdit* FilenameEdit() const { return FFilenameEdit; }
    QComboBox* GorunumuComboBox() const { return FGorunumuComboBox; }
    QCheckBox* CheckBox() const { return FCheckBox; }
    QPushButton* BtnTamam() const { return FBtnTamam; }
    QPushButton* BtnVazgec() const { return FBtnVazgec; }
    QPushButton* BtnYardim() const { return FBtnYardim; }

    // The list index that shows mode, and the mode that a list index stands for.
    static int GorunumuIndex(TTileMode mode);
    static TTileMode GorunumuMode(int index);
    static QString GorunumuText(int index);

public slots:
    void CheckBoxClick();
    void FilenameEditChange();

signals:
    // "&Yardım" was pressed: the help topic of this dialog is wanted.
    void HelpRequested(int helpContext);

protected:
    void showEvent(QShowEvent* event) override;
    // F1 asks for the same topic as "&Yardım".
    void keyPressEvent(QKeyEvent* event) override;

private:
    QGroupBox* FGroupBox1;
    TFilenameEdit* FFilenameEdit;
    QComboBox* FGorunumuComboBox;
    QCheckBox* FCheckBox;
    QPushButton* FBtnTamam;
    QPushButton* FBtnVazgec;
    QPushButton* FBtnYardim;
};

// The wallpaper command of the main window, reached from its menu item and from a
// double click on the empty client area: shows the dialog for tiler and, when it
// is confirmed, applies it. wallpaperFileName is the file chosen last; the browse
// dialog starts in programDirectory; help, when given, answers "&Yardım". A file
// that cannot be read is reported through the error report: its name is taken
// over and tiler stays active with its previous picture and placement.
void DuvarKagidiClick(QWidget* owner, TTiler& tiler, QString& wallpaperFileName,
    const QString& programDirectory, const std::function<void(int helpContext)>& help = {});
