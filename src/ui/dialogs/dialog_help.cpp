#include "ui/dialogs/dialog_help.h"

namespace {
TDialogHelp& handler()
{
    static TDialogHelp help;
    return help;
}
}

TDialogHelp SetDialogHelp(TDialogHelp help)
{
    TDialogHelp previous = std::move(handler());
    handler() = std::move(help);
    return previous;
}

void ShowDialogHelp(int context)
{
    if (handler())
        handler()(context);
}
