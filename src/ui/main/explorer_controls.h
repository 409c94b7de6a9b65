#pragma once

#include <QIcon>
#include <QLineEdit>
#include <QWidget>

class QToolButton;

// The pictures of the curve buttons, drawn rather than loaded so that the
// explorer needs no resource files.
enum class TCurveGlyph { First, Prior, Next, Last, New, Delete, DeleteAll };
QIcon CurveGlyphIcon(TCurveGlyph glyph);

// The small controls of the curve explorer whose behaviour Qt's own widgets lack.

// An up/down button pair that stands at the right end of a text field; it only
// reports its clicks, the owner decides what they do to the field.
class TSpinButton : public QWidget {
    Q_OBJECT

public:
    explicit TSpinButton(QWidget* parent = nullptr);

    QToolButton* UpButton() const { return FUpButton; }
    QToolButton* DownButton() const { return FDownButton; }

signals:
    void UpClick();
    void DownClick();

private:
    QToolButton* FUpButton;
    QToolButton* FDownButton;
};

// A formula field: entering it never selects its text (not even by the Tab
// key), so the caret stays where the operator palette and the user expect it,
// and it reports each entry.
class TFormulaEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TFormulaEdit(QWidget* parent = nullptr);

signals:
    void Entered();

protected:
    void focusInEvent(QFocusEvent* event) override;
};
