#include "ui/platform/image.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

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

void TImage::SetMarker(const QPoint& at, const QColor& color)
{
    if (FMarker && FMarkerAt == at && FMarkerColor == color)
        return;
    FMarker = true;
    FMarkerAt = at;
    FMarkerColor = color;
    update();
}

void TImage::ClearMarker()
{
    if (!FMarker)
        return;
    FMarker = false;
    update();
}

void TImage::paintEvent(QPaintEvent*)
{
    if (FPicture.isNull())
        return;
    QPainter painter(this);
    painter.drawPixmap(0, 0, FPicture);
    if (!FMarker)
        return;
    // Four arms with a gap in the middle that leaves the point itself in sight.
    constexpr int Arm = 6;
    constexpr int Gap = 3;
    const int x = FMarkerAt.x();
    const int y = FMarkerAt.y();
    painter.fillRect(x - Gap - Arm + 1, y, Arm, 1, FMarkerColor);
    painter.fillRect(x + Gap, y, Arm, 1, FMarkerColor);
    painter.fillRect(x, y - Gap - Arm + 1, 1, Arm, FMarkerColor);
    painter.fillRect(x, y + Gap, 1, Arm, FMarkerColor);
}

void TImage::wheelEvent(QWheelEvent* event)
{
    const QPoint p = event->position().toPoint();
    emit Wheel(event->angleDelta().y(), p.x(), p.y());
}

void TImage::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    emit MouseLeave();
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
