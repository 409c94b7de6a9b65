#pragma once

#include <functional>

class QAbstractButton;
class QKeyEvent;

// The keys a dialog or tool window answers of its own, the same in every one:
// F1 alone asks for its help topic, and Escape presses the button the window
// names for it (its cancel button; in the view and zoom dialogs "&Tamam").
// Without such a button Escape is left to the window (a QDialog rejects).
// Called first in the window's keyPressEvent; true when the key was answered.
// The help runs through the error report, so nothing raises out of it.
bool AnswerDialogKey(
    QKeyEvent* event, const std::function<void()>& help, QAbstractButton* escapeButton = nullptr);
