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

void TImage::SetMarker(const QPoint& at, const QColor& color, const QColor& halo)
{
    if (FMarker && FMarkerAt == at && FMarkerColor == color && FMarkerHalo == halo)
        return;
    FMarker = true;
    FMarkerAt = at;
    FMarkerColor = color;
    FMarkerHalo = halo;
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
    // Four arms two pixels wide with a gap in the middle that leaves the point itself
    // in sight, each on a rim one pixel wide.
    constexpr int Arm = 7;
    constexpr int Gap = 3;
    const int x = FMarkerAt.x();
    const int y = FMarkerAt.y();
    const QRect arms[] = { QRect(x - Gap - Arm + 1, y, Arm, 2), QRect(x + Gap, y, Arm, 2),
        QRect(x, y - Gap - Arm + 1, 2, Arm), QRect(x, y + Gap, 2, Arm) };
    for (const QRect& arm : arms)
        painter.fillRect(arm.adjusted(-1, -1, 1, 1), FMarkerHalo);
    for (const QRect& arm : arms)
        painter.fillRect(arm, FMarkerColor);
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
