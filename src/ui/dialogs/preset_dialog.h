#pragma once

#include <QDialog>

class QGroupBox;
class QLayout;
class QPushButton;

// The frame the view-direction and zoom dialogs share: a group of presets
// beside the number fields they fill, over "&Tamam" (the default button, which
// also answers the Escape key) and "&Vazgeç" (another result, as the close box
// gives); F1 opens the dialog's help topic. Each dialog connects "&Tamam".
class TPresetDialog : public QDialog {
    Q_OBJECT

public:
    QPushButton* BtnTamam = nullptr;
    QPushButton* BtnVazgec = nullptr;

protected:
    TPresetDialog(QWidget* parent, const QString& caption, int helpContext);

    // Puts presets beside fields, the buttons at the right under them, and sizes
    // the dialog's client area.
    void Arrange(QGroupBox* presets, QLayout* fields, int clientWidth, int clientHeight);
    void keyPressEvent(QKeyEvent* event) override;

private:
    int FHelpContext;
};
