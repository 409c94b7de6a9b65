#pragma once

#include "ui/platform/hook.h"

#include <QString>

#include <functional>

class QWidget;
class TCurveTable;

// How the curve library tells and asks the user: a message box with OK, and a
// question box with OK and Cancel. Tests replace them to answer without a box.
struct TLibraryPrompts {
    std::function<void(QWidget* owner, const QString& text)> Message;
    // True for OK.
    std::function<bool(QWidget* owner, const QString& title, const QString& text)> Question;
};

// Replaces the prompts and returns those in use before; an empty member stands
// for the message box.
TLibraryPrompts SetLibraryPrompts(TLibraryPrompts prompts);

void LibraryMessage(QWidget* owner, const QString& text);
bool LibraryQuestion(QWidget* owner, const QString& title, const QString& text);

using TScopedLibraryPrompts = TScopedHook<TLibraryPrompts>;

// Opens table for a window or a command. A corrupt file is replaced only when the
// user agrees, and then only after it was renamed aside (nothing is deleted);
// other failures are shown by the default error report. False when the library
// stays closed: the caller goes on without it.
bool OpenLibraryTable(TCurveTable& table, QWidget* owner);
