#include "ui/platform/image.h"

#include <QMouseEvent>
#include <QPainter>

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    setMouseTracking(true);
}

void TImage::SetPicture(const QPixmap& picture)
{
    // Shared until either side changes: painting on the caller's pixmap detaches
    // it first, so the control's picture stays as it was given.
    FPicture = picture;
    PictureChanged();
}

void TImage::SetPicture(const QImage& picture)
{
    FPicture = QPixmap::fromImage(picture);
    PictureChanged();
}

void TImage::SetAutoSize(bool value)
{
    FAutoSize = value;
    if (FAutoSize && !FPicture.isNull())
        resize(FPicture.deviceIndependentSize().toSize());
}

QSize TImage::sizeHint() const
{
    return FPicture.isNull() ? QWidget::sizeHint() : FPicture.deviceIndependentSize().toSize();
}

void TImage::PictureChanged()
{
    updateGeometry();
    if (FAutoSize)
        resize(FPicture.deviceIndependentSize().toSize());
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, FPicture);
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseDown(event->button(), event->modifiers(), p.x(), p.y());
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseMove(event->buttons(), event->modifiers(), p.x(), p.y());
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit MouseUp(event->button(), event->modifiers(), p.x(), p.y());
}

void TImage::mouseDoubleClickEvent(QMouseEvent*) { emit DblClick(); }
