#include "ui/platform/dialog_keys.h"

#include "ui/platform/error_report.h"

#include <QAbstractButton>
#include <QKeyEvent>

bool AnswerDialogKey(
    QKeyEvent* event, const std::function<void()>& help, QAbstractButton* escapeButton)
{
    if (event->modifiers() != Qt::NoModifier)
        return false;
    if (event->key() == Qt::Key_F1 && help) {
        Guarded(help);
        return true;
    }
    if (event->key() == Qt::Key_Escape && escapeButton != nullptr) {
        escapeButton->click();
        return true;
    }
    return false;
}
