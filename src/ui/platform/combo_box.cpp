#include "ui/platform/combo_box.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>

TComboBox::TComboBox(QWidget* parent)
    : QComboBox(parent)
{
}

void TComboBox::WatchPopup()
{
    if (FWatchingPopup)
        return;
    FWatchingPopup = true;
    view()->viewport()->installEventFilter(this);
    if (QWidget* container = view()->parentWidget())
        container->installEventFilter(this);
}

void TComboBox::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton) {
        FLastPress.start();
        FLastPressPos = event->globalPosition().toPoint();
        WatchPopup();
    }
    QComboBox::mousePressEvent(event);
}

void TComboBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QComboBox::mouseDoubleClickEvent(event);
        return;
    }
    FLastPress.invalidate();
    hidePopup();
    emit DblClick();
}

bool TComboBox::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if ((type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick)
        && FLastPress.isValid()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const bool quick = FLastPress.elapsed() <= QApplication::doubleClickInterval();
        const bool near = (mouse->globalPosition().toPoint() - FLastPressPos).manhattanLength()
            <= QApplication::startDragDistance();
        FLastPress.invalidate();
        if (mouse->button() == Qt::LeftButton && quick && near) {
            hidePopup();
            emit DblClick();
            return true;
        }
    }
    return QComboBox::eventFilter(watched, event);
}
