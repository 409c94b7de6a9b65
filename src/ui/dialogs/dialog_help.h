#pragma once

#include <functional>

// Where the dialogs send a request for help (their help button or F1) with
// their help context: the main window points it at its help viewer. Until a
// handler is set, a request does nothing.
using TDialogHelp = std::function<void(int context)>;

// Returns the handler in use before.
TDialogHelp SetDialogHelp(TDialogHelp handler);
void ShowDialogHelp(int context);
