#include "ui/dialogs/dialog_help.h"

#include "ui/platform/hook.h"

TDialogHelp SetDialogHelp(TDialogHelp help) { return THook<TDialogHelp>::Replace(std::move(help)); }

void ShowDialogHelp(int context)
{
    if (const TDialogHelp& help = THook<TDialogHelp>::Current())
        help(context);
}
