#include "render/four_view.h"

#include "render/draw_function.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPen>
#include <QString>

#include <cmath>

namespace {
constexpr QPoint LabelAt(2, 2);

// The names the fixed views carry: front, side, top.
const char* const FixedViewLabels[3] = { QT_TRANSLATE_NOOP("TFourView", "Ön"),
    QT_TRANSLATE_NOOP("TFourView", "Yan"), QT_TRANSLATE_NOOP("TFourView", "Üst") };

QString viewLabel(const char* label) { return QCoreApplication::translate("TFourView", label); }

// The box a view's name takes at its place, for the axis numbers to keep clear of.
QRect labelBox(const QString& label)
{
    const QFontMetrics metrics(QGuiApplication::font());
    return QRect(LabelAt, QSize(metrics.horizontalAdvance(label), metrics.height()));
}

QImage labelled(const QImage& view, const QString& label)
{
    QImage copy = view.copy();
    QPainter painter(&copy);
    painter.setPen(Qt::black);
    painter.drawText(QRect(LabelAt, copy.size()), Qt::AlignLeft | Qt::AlignTop, label);
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
    const auto fixedView = [&](long double x, long double y, const QString& label) {
        renderer.SetAngles(x, y);
        renderer.SetLabelBox(labelBox(label));
        renderer.Render(true);
        return labelled(renderer.Image(), label);
    };
    const QString labels[3] = { viewLabel(FixedViewLabels[0]), viewLabel(FixedViewLabels[1]),
        viewLabel(FixedViewLabels[2]) };
    for (int i = 0; i < 3; ++i)
        result.Views[i] = fixedView(FixedViewAngles[i][0], FixedViewAngles[i][1], labels[i]);
    renderer.SetLabelBox(QRect());
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
    const auto& a = FixedViewAngles;
    const View views[] = { { a[0][0], a[0][1], { 0, 0 }, FixedViewLabels[0] },
        { a[1][0], a[1][1], { 0, h + 1 }, FixedViewLabels[1] },
        { a[2][0], a[2][1], { w + 1, 0 }, FixedViewLabels[2] },
        { ax, ay, { w + 1, h + 1 }, nullptr } };
    const bool legend = renderer.Legend();
    painter.save();
    painter.fillRect(QRect(0, 0, width, height), Qt::white);
    for (const View& view : views) {
        // The legend belongs to the own view; the fixed views carry their labels there.
        renderer.SetLegend(legend && view.Label == nullptr);
        renderer.SetLabelBox(view.Label != nullptr ? labelBox(viewLabel(view.Label)) : QRect());
        renderer.SetAngles(view.X, view.Y);
        renderer.Render(true);
        painter.save();
        painter.translate(view.At);
        painter.setClipRect(QRect(0, 0, w, h));
        renderer.Paint(painter, w, h, true);
        if (view.Label != nullptr) {
            painter.setPen(Qt::black);
            painter.drawText(
                QRect(LabelAt, QSize(w, h)), Qt::AlignLeft | Qt::AlignTop, viewLabel(view.Label));
        }
        painter.restore();
    }
    renderer.SetLegend(legend);
    renderer.SetLabelBox(QRect());
    QPen pen(Qt::black);
    pen.setWidth(2);
    painter.setPen(pen);
    painter.setClipRect(QRect(0, 0, width, height));
    painter.drawLine(QPointF(0, h), QPointF(width, h));
    painter.drawLine(QPointF(w, 0), QPointF(w, height));
    painter.restore();
}
