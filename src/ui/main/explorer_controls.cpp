#include "ui/main/explorer_controls.h"

#include <QFocusEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
void drawCurve(QPainter& p, qreal dy, const QColor& color)
{
    QPainterPath path;
    path.moveTo(2, 12 + dy);
    path.cubicTo(6, 0 + dy, 9, 16 + dy, 14, 4 + dy);
    p.setPen(QPen(color, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void drawCross(QPainter& p, qreal x, qreal y)
{
    p.setPen(QPen(QColor(200, 0, 0), 2));
    p.drawLine(QPointF(x, y), QPointF(x + 6, y + 6));
    p.drawLine(QPointF(x + 6, y), QPointF(x, y + 6));
}

QToolButton* arrowButton(QWidget* parent, Qt::ArrowType arrow, const char* name)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setArrowType(arrow);
    button->setAutoRepeat(true);
    // The field beside it keeps the keyboard focus.
    button->setFocusPolicy(Qt::NoFocus);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
    button->setFixedWidth(16);
    return button;
}
}

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent)
    , FUpButton(arrowButton(this, Qt::UpArrow, "SpinButton1Up"))
    , FDownButton(arrowButton(this, Qt::DownArrow, "SpinButton1Down"))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(FUpButton);
    layout->addWidget(FDownButton);
    setFixedWidth(16);
    connect(FUpButton, &QToolButton::clicked, this, &TSpinButton::UpClick);
    connect(FDownButton, &QToolButton::clicked, this, &TSpinButton::DownClick);
}

TFormulaEdit::TFormulaEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

void TFormulaEdit::focusInEvent(QFocusEvent* event)
{
    const int caret = cursorPosition();
    const bool hadSelection = hasSelectedText();
    QLineEdit::focusInEvent(event);
    // QLineEdit selects everything when entered by Tab or a shortcut.
    if (!hadSelection && hasSelectedText()) {
        deselect();
        setCursorPosition(caret);
    }
    emit Entered();
}

QIcon CurveGlyphIcon(TCurveGlyph glyph)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(0, 0, 128);
    const QPolygonF left({ QPointF(11, 3), QPointF(11, 13), QPointF(4, 8) });
    const QPolygonF right({ QPointF(5, 3), QPointF(5, 13), QPointF(12, 8) });
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    switch (glyph) {
    case TCurveGlyph::First:
        p.drawRect(QRectF(2, 3, 2, 10));
        p.drawPolygon(left.translated(1, 0));
        break;
    case TCurveGlyph::Prior:
        p.drawPolygon(left);
        break;
    case TCurveGlyph::Next:
        p.drawPolygon(right);
        break;
    case TCurveGlyph::Last:
        p.drawRect(QRectF(12, 3, 2, 10));
        p.drawPolygon(right.translated(-1, 0));
        break;
    case TCurveGlyph::New:
        drawCurve(p, 0, ink);
        p.setPen(QPen(QColor(0, 128, 0), 2));
        p.drawLine(QPointF(11, 9), QPointF(11, 15));
        p.drawLine(QPointF(8, 12), QPointF(14, 12));
        break;
    case TCurveGlyph::Delete:
        drawCurve(p, 0, ink);
        drawCross(p, 8.5, 8.5);
        break;
    case TCurveGlyph::DeleteAll:
        drawCurve(p, -2, ink);
        drawCurve(p, 2, ink);
        drawCross(p, 8.5, 8.5);
        break;
    }
    return QIcon(pixmap);
}
