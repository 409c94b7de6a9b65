#include "ui/library/library_color_combo.h"

#include <QApplication>
#include <QColorDialog>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>

namespace {

const struct {
    const char* Name;
    TColor Color;
} namedColors[TLibraryColorCombo::NamedColorCount] = {
    { "Siyah", 0 },
    { "Kestane Rengi", 128 },
    { "Yeşil", 32768 },
    { "Olive", 32896 },
    { "Lacivert", 8388608 },
    { "Pembe", 8388736 },
    { "Teal", 8421376 },
    { "Gri", 8421504 },
    { "Gümüş Rengi", 12632256 },
    { "Kırmızı", 255 },
    { "Lime", 65280 },
    { "Sarı", 65535 },
    { "Mavi", 16711680 },
    { "Fuchsia", 16711935 },
    { "Aqua", 16776960 },
    { "Beyaz", 16777215 },
};

QIcon swatch(TColor color)
{
    QPixmap pixmap(16, 12);
    pixmap.fill(ColorToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, 15, 11);
    return QIcon(pixmap);
}

} // namespace

TColor TLibraryColorCombo::NamedColor(int index) { return namedColors[index].Color; }

QString TLibraryColorCombo::ColorName(int index)
{
    return QString::fromUtf8(namedColors[index].Name);
}

TLibraryColorCombo::TLibraryColorCombo(QWidget* parent)
    : QComboBox(parent)
{
    for (const auto& c : namedColors)
        addItem(swatch(c.Color), QString::fromUtf8(c.Name), QVariant::fromValue<uint>(c.Color));
    FPopupTimer.setSingleShot(true);
    connect(&FPopupTimer, &QTimer::timeout, this, &QComboBox::showPopup);
    connect(this, &QComboBox::activated, this, &TLibraryColorCombo::Changed);
}

TColor TLibraryColorCombo::Color() const
{
    return currentIndex() < 0 ? 0 : static_cast<TColor>(currentData().toUInt());
}

void TLibraryColorCombo::SetColor(TColor color)
{
    color &= 0xFFFFFFu;
    for (int i = 0; i < NamedColorCount; ++i)
        if (namedColors[i].Color == color) {
            setCurrentIndex(i);
            return;
        }
    if (count() == NamedColorCount)
        addItem(QString());
    setItemText(NamedColorCount, QStringLiteral("Özel Renk"));
    setItemIcon(NamedColorCount, swatch(color));
    setItemData(NamedColorCount, QVariant::fromValue<uint>(color));
    setCurrentIndex(NamedColorCount);
}

void TLibraryColorCombo::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        QComboBox::mousePressEvent(event);
        return;
    }
    if (FPopupTimer.isActive()) {
        FPopupTimer.stop();
        emit DblClick();
    } else {
        FPopupTimer.start(QApplication::doubleClickInterval());
    }
    event->accept();
}

void TLibraryColorCombo::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && FPopupTimer.isActive()) {
        FPopupTimer.stop();
        emit DblClick();
        event->accept();
        return;
    }
    QComboBox::mouseDoubleClickEvent(event);
}

TColor LibrarySelectColor(QWidget* owner, TColor color)
{
    const QColor chosen = QColorDialog::getColor(ColorToQColor(color), owner);
    return chosen.isValid() ? QColorToColor(chosen) : color;
}
