#include "ui/platform/color_combo.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>
#include <vector>

namespace {
void sendMouse(QWidget* target, QEvent::Type type, QPoint pos)
{
    QMouseEvent event(type, QPointF(pos), QPointF(target->mapToGlobal(pos)), Qt::LeftButton,
        type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
}

TEST(ColorCombo, SixteenNamedColoursInOrderWithTheirValues)
{
    TColorCombo combo;
    const char* names[] = { "Siyah", "Kestane Rengi", "Yeşil", "Olive", "Lacivert", "Pembe", "Teal",
        "Gri", "Gümüş Rengi", "Kırmızı", "Lime", "Sarı", "Mavi", "Fuchsia", "Aqua", "Beyaz" };
    // HTML's basic colours written as #RRGGBB, turned into red-in-the-low-byte here.
    const unsigned html[] = { 0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080,
        0x808080, 0xC0C0C0, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF };
    ASSERT_EQ(combo.count(), 16);
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(names[i]);
        EXPECT_EQ(combo.itemText(i), QString::fromUtf8(names[i]));
        const TColor expected
            = ((html[i] >> 16) & 0xFF) | (html[i] & 0xFF00) | ((html[i] & 0xFF) << 16);
        combo.setCurrentIndex(i);
        EXPECT_EQ(combo.Color(), expected);
        EXPECT_FALSE(combo.itemIcon(i).isNull());
    }
    EXPECT_EQ(TColorCombo().Color(), 0u);
    EXPECT_EQ(TColorCombo().currentText(), "Siyah");
}

TEST(ColorCombo, SetColorSelectsNamedOrOneCustomEntry)
{
    TColorCombo combo;
    std::vector<TColor> changed;
    QObject::connect(&combo, &TColorCombo::ColorChanged, [&](TColor c) { changed.push_back(c); });
    combo.SetColor(8421504);
    EXPECT_EQ(combo.currentText(), "Gri");
    EXPECT_EQ(combo.Color(), 8421504u);
    EXPECT_FALSE(combo.HasCustomEntry());
    ASSERT_EQ(changed.size(), 1u);

    combo.SetColor(0x123456);
    EXPECT_EQ(combo.count(), 17);
    EXPECT_EQ(combo.currentText(), "Özel Renk");
    EXPECT_EQ(combo.Color(), 0x123456u);
    // A second custom colour replaces the first, though the entry stays current.
    combo.SetColor(0x654321);
    EXPECT_EQ(combo.count(), 17);
    EXPECT_EQ(combo.Color(), 0x654321u);
    EXPECT_EQ(changed.size(), 3u);
    EXPECT_EQ(changed.back(), 0x654321u);

    // The high byte is no part of the colour.
    combo.SetColor(0xFF0000FF);
    EXPECT_EQ(combo.currentText(), "Kırmızı");
    EXPECT_EQ(combo.Color(), 255u);
    combo.SetColor(255);
    EXPECT_EQ(changed.size(), 4u) << "setting the same colour again is no change";
    // The user can go back to the custom colour.
    combo.setCurrentIndex(16);
    EXPECT_EQ(combo.Color(), 0x654321u);
}

TEST(ColorCombo, DoubleClickOnTheListAndThroughItsPopup)
{
    TColorCombo combo;
    combo.resize(150, 24);
    combo.show();
    int dbl = 0;
    QObject::connect(&combo, &TColorCombo::DblClick, [&] { ++dbl; });

    sendMouse(&combo, QEvent::MouseButtonDblClick, QPoint(20, 10));
    EXPECT_EQ(dbl, 1);

    // The first press opens the list; a second quick press on its popup, at the
    // same place, closes it unchanged and is the double click.
    combo.SetColor(8421504);
    sendMouse(&combo, QEvent::MouseButtonPress, QPoint(20, 10));
    QWidget* viewport = combo.view()->viewport();
    ASSERT_TRUE(viewport->isVisible());
    const QPoint there = viewport->mapFromGlobal(combo.mapToGlobal(QPoint(20, 10)));
    sendMouse(viewport, QEvent::MouseButtonPress, there);
    EXPECT_EQ(dbl, 2);
    EXPECT_FALSE(viewport->isVisible());
    EXPECT_EQ(combo.currentText(), "Gri");
    combo.hidePopup();
}

TEST(SelectColor, ReturnsTheConfirmedColourOrTheGivenOne)
{
    QWidget owner;
    QWidget* seenOwner = nullptr;
    TColor preset = 1;
    {
        TScopedColorDialog answer([&](QWidget* o, TColor& color) {
            seenOwner = o;
            preset = color;
            color = 0x00AB12;
            return true;
        });
        EXPECT_EQ(SelectColor(&owner, 255), 0x00AB12u);
    }
    EXPECT_EQ(seenOwner, &owner);
    EXPECT_EQ(preset, 255u);
    TScopedColorDialog cancel([](QWidget*, TColor& color) {
        color = 7;
        return false;
    });
    EXPECT_EQ(SelectColor(&owner, 255), 255u);
}
