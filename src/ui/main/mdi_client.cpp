#include "ui/main/mdi_client.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TMdiClient::TMdiClient(QWidget* parent)
    : QMdiArea(parent)
    , FTiler(viewport())
{
    setBackground(QColor(153, 153, 153));
}

// The child windows are children of the viewport and paint after it, so the
// wallpaper stays under them.
void TMdiClient::paintEvent(QPaintEvent* event)
{
    QPainter painter(viewport());
    const QBrush brush = background();
    for (const QRect& exposed : event->region())
        painter.fillRect(exposed, brush);
    FTiler.Paint(painter, viewport()->rect());
}

void TMdiClient::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A double click the child windows leave unhandled travels up to here too.
    if (event->button() == Qt::LeftButton
        && viewport()->childAt(event->position().toPoint()) == nullptr) {
        event->accept();
        emit EmptyAreaDblClick();
        return;
    }
    QMdiArea::mouseDoubleClickEvent(event);
}
