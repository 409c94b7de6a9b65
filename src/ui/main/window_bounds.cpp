#include "ui/main/window_bounds.h"

TWindowBounds StoredWindowBounds(const QRect& clientGeometry)
{
    return { clientGeometry.x(), clientGeometry.y(), clientGeometry.width(),
        clientGeometry.height() };
}

QRect RestoredClientGeometry(const TWindowBounds& bounds)
{
    return { bounds.Left, bounds.Top, bounds.Width, bounds.Height };
}

std::optional<QPoint> FirstFloatingPlace(
    const QRect& area, const QSize& size, const QList<QRect>& avoid)
{
    constexpr int margin = 8;
    const int right = area.x() + area.width() - size.width() - margin;
    const int bottom = area.y() + area.height() - size.height() - margin;
    for (int x = right; x >= area.x() + margin; x -= margin)
        for (int y = area.y() + margin; y <= bottom; y += margin) {
            const QRect place(QPoint(x, y), size);
            bool free = true;
            for (const QRect& r : avoid)
                free = free && !place.intersects(r);
            if (free)
                return place.topLeft();
        }
    return std::nullopt;
}
