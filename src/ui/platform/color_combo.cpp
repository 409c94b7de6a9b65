#include "ui/platform/color_combo.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace {
constexpr TColor ColorMask = 0xFFFFFF;

QIcon swatch(TColor color)
{
    QPixmap pixmap(24, 14);
    pixmap.fill(ColorToQColor(color));
    QPainter painter(&pixmap);
    painter.setPen(Qt::black);
    painter.drawRect(0, 0, pixmap.width() - 1, pixmap.height() - 1);
    return QIcon(pixmap);
}

bool runQColorDialog(QWidget* owner, TColor& color)
{
    const QColor chosen = QColorDialog::getColor(ColorToQColor(color), owner);
    if (!chosen.isValid())
        return false;
    color = QColorToColor(chosen);
    return true;
}
}

TColorCombo::TColorCombo(QWidget* parent)
    : TComboBox(parent)
{
    setIconSize(QSize(24, 14));
    for (const TNamedColor& named : NamedColors)
        addItem(swatch(named.Color), tr(named.Name), QVariant(named.Color));
    setCurrentIndex(0);
    FColor = NamedColors[0].Color;
    connect(this, &QComboBox::currentIndexChanged, this, &TColorCombo::IndexChanged);
}

void TColorCombo::IndexChanged(int index)
{
    if (index < 0)
        return;
    const TColor color = itemData(index).toUInt();
    if (color == FColor)
        return;
    FColor = color;
    emit ColorChanged(color);
}

void TColorCombo::SetColor(TColor color)
{
    color &= ColorMask;
    for (int i = 0; i < static_cast<int>(NamedColors.size()); ++i) {
        if (NamedColors[i].Color == color) {
            setCurrentIndex(i);
            return;
        }
    }
    const int custom = static_cast<int>(NamedColors.size());
    if (HasCustomEntry()) {
        setItemData(custom, QVariant(color));
        setItemIcon(custom, swatch(color));
    } else {
        addItem(swatch(color), tr(CustomName), QVariant(color));
    }
    // The custom entry may already be the current one, which sends no index change.
    setCurrentIndex(custom);
    IndexChanged(custom);
}

TColor SelectColor(QWidget* owner, TColor color)
{
    TColor chosen = color;
    const TColorDialog& dialog = THook<TColorDialog>::Current();
    const bool confirmed = dialog ? dialog(owner, chosen) : runQColorDialog(owner, chosen);
    return confirmed ? (chosen & ColorMask) : color;
}

TColorDialog SetColorDialog(TColorDialog dialog)
{
    return THook<TColorDialog>::Replace(std::move(dialog));
}
