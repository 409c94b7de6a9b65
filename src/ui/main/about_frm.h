#pragma once

#include <QDialog>
#include <QPixmap>

// The program's static windows: the about box, the author box and the picture
// shown while the main window is being built.
class TAboutFrm : public QDialog {
    Q_OBJECT
public:
    enum TKind { Program, Author };
    explicit TAboutFrm(TKind kind, QWidget* owner = nullptr);
};

// The start-up picture: the program's name on its own graph paper.
QPixmap SplashPicture();
