#include "ui/main/explorer_controls.h"

#include <QFocusEvent>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The field beside it keeps the keyboard focus.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}
}

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
    , FUpButton(arrowButton(this, Qt::UpArrow, "SpinButton1Up"))
    , FDownButton(arrowButton(this, Qt::DownArrow, "SpinButton1Down"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FUpButton);
    layout->addWidget(FDownButton);
    setFixedWidth(16);
    connect(FUpButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(FDownButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
}

TFormulaEdit::TFormulaEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void TFormulaEdit::focusInEvent(QFocusEvent* event)
{
    const int caret = cursorPosition();
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    // QLineEdit selects everything when entered by Tab or a shortcut.
    if (!hadSelection && hasSelectedText()) {
        deselect();
        setCursorPosition(caret);
    }
    emit Entered();
}
