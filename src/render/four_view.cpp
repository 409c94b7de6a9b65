#include "render/four_view.h"

#include "render/draw_function.h"

#include <QPainter>
#include <QPen>
#include <QString>

#include <cmath>

namespace {
QImage labelled(const QImage& view, const QString& label)
{
    QImage copy = view.copy();
    QPainter painter(&copy);
    painter.setPen(Qt::black);
    painter.drawText(QRect(2, 2, copy.width(), copy.height()), Qt::AlignLeft | Qt::AlignTop, label);
    painter.end();
    return copy;
}
}

TFourViews RenderFourViews(TDrawFunction& renderer)
{
    const long double ax = std::trunc(renderer.XAxisAngle());
    const long double ay = std::trunc(renderer.YAxisAngle());
    TFourViews result;
    // The legend belongs to the own view; the fixed views carry their labels there.
    const bool legend = renderer.Legend();
    renderer.SetLegend(false);
    renderer.SetAngles(0, 0);
    renderer.Render(true);
    result.Views[0] = labelled(renderer.Image(), QStringLiteral("Ön"));
    renderer.SetAngles(0, -90);
    renderer.Render(true);
    result.Views[1] = labelled(renderer.Image(), QStringLiteral("Yan"));
    renderer.SetAngles(90, 0);
    renderer.Render(true);
    result.Views[2] = labelled(renderer.Image(), QStringLiteral("Üst"));
    renderer.SetAngles(ax, ay);
    renderer.SetLegend(legend);
    renderer.Render(true);
    result.Views[3] = renderer.Image();
    return result;
}

QImage ComposeFourView(const std::array<QImage, 4>& views, int width, int height)
{
    const int w = views[0].width();
    const int h = views[0].height();
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.drawImage(0, 0, views[0]);
    painter.drawImage(0, h + 1, views[1]);
    painter.drawImage(w + 1, 0, views[2]);
    painter.drawImage(w + 1, h + 1, views[3]);
    QPen pen(Qt::black);
    pen.setWidth(2);
    painter.setPen(pen);
    // The lines run past the picture's edges, which cut them off.
    painter.drawLine(0, h, width + 2, h);
    painter.drawLine(w, 0, w, height + 2);
    return picture;
}

void PaintFourViews(TDrawFunction& renderer, QPainter& painter, int width, int height)
{
    const int w = renderer.Width();
    const int h = renderer.Height();
    const long double ax = std::trunc(renderer.XAxisAngle());
    const long double ay = std::trunc(renderer.YAxisAngle());
    struct View {
        long double X, Y;
        QPoint At;
        const char* Label;
    };
    const View views[] = { { 0, 0, { 0, 0 }, "Ön" }, { 0, -90, { 0, h + 1 }, "Yan" },
        { 90, 0, { w + 1, 0 }, "Üst" }, { ax, ay, { w + 1, h + 1 }, nullptr } };
    const bool legend = renderer.Legend();
    painter.save();
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    for (const View& view : views) {
        // The legend belongs to the own view; the fixed views carry their labels there.
        renderer.SetLegend(legend && view.Label == nullptr);
        renderer.SetAngles(view.X, view.Y);
        renderer.Render(true);
        painter.save();
        painter.translate(view.At);
        painter.setClipRect(QRect(0, 0, w, h));
        renderer.Paint(painter, w, h, true);
        if (view.Label != nullptr) {
            painter.setPen(Qt::black);
            painter.drawText(QRect(2, 2, w, h), Qt::AlignLeft | Qt::AlignTop,
                QString::fromUtf8(view.Label));
        }
        painter.restore();
    }
    renderer.SetLegend(legend);
    QPen pen(Qt::black);
    pen.setWidth(2);
    painter.setPen(pen);
    painter.setClipRect(QRect(0, 0, width, height));
    painter.drawLine(QPointF(0, h), QPointF(width, h));
    painter.drawLine(QPointF(w, 0), QPointF(w, height));
    painter.restore();
}
