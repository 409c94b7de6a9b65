#pragma once

#include "engine/fonksiyon.h"
#include "engine/variable_memory.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// The function calculator: one formula, values for its variables typed into a
// two-column grid, and the formula's compiled form and value. A direct front end
// to the formula engine; it uses no curve.
//
// A child window of the main window's multiple-document area (put it into a
// QMdiSubWindow with QMdiArea::addSubWindow). Closing it destroys it, and with
// it the formula and its variables: a reopened calculator starts empty.
class TFHesaplaFrm : public QWidget {
    Q_OBJECT

public:
    static constexpr int HelpContext = 7;

    explicit TFHesaplaFrm(QWidget* parent = nullptr);

    // Compiles the formula when its text changed (or the last compilation
    // failed), shows the compiled form, sets the variables named in the grid and
    // shows the value. Errors are reported; both result fields then keep what
    // they showed.
    void HesaplaButtonClick();
    // Closes the window, or the multiple-document frame around it.
    void BtnKapanClick();
    // Asks for the help at the calculator's topic (through the dialogs' help
    // handler, as every dialog does).
    void BtnYardimClick();

    QLineEdit* FonksiyonEdit() const { return FFonksiyonEdit; }
    QLineEdit* AgacEdit() const { return FAgacEdit; }
    QLineEdit* SonucEdit() const { return FSonucEdit; }
    QPushButton* HesaplaButton() const { return FHesaplaButton; }
    QTableWidget* StringGrid1() const { return FStringGrid1; }
    QPushButton* BtnKapan() const { return FBtnKapan; }
    QPushButton* BtnYardim() const { return FBtnYardim; }

    const TFonksiyon& Fonksiyon() const { return FFonksiyon; }
    const TVariableMemory& Memory() const { return FMemory; }

signals:
    // The formula field received the keyboard focus: the main window enables
    // the operator palette and points it at edit.
    void FonksiyonEditEntered(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FormCreate();
    void FonksiyonEditEnter();
    void readGrid();

    QLineEdit* FFonksiyonEdit = nullptr;
    QLineEdit* FAgacEdit = nullptr;
    QLineEdit* FSonucEdit = nullptr;
    QPushButton* FHesaplaButton = nullptr;
    QTableWidget* FStringGrid1 = nullptr;
    QPushButton* FBtnKapan = nullptr;
    QPushButton* FBtnYardim = nullptr;

    TFonksiyon FFonksiyon;
    TVariableMemory FMemory;
    // A failed SetText keeps the text and empties the variables; the next click
    // compiles again rather than evaluate the older form against an empty table.
    bool FCompiled = false;
};
