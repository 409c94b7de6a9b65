#include "render/color.h"
#include "render/raster.h"

#include <QImage>

#include <gtest/gtest.h>

TEST(Color, ConversionsOfTheProgramsValues)
{
    struct Case {
        TColor color;
        int red, green, blue;
        QRgb pixel;
    };
    const Case cases[] = {
        { 0, 0, 0, 0, 0xFF000000u },
        { 255, 255, 0, 0, 0xFFFF0000u },
        { 65280, 0, 255, 0, 0xFF00FF00u },
        { 16711680, 0, 0, 255, 0xFF0000FFu },
        { 8421504, 128, 128, 128, 0xFF808080u },
        { 16777215, 255, 255, 255, 0xFFFFFFFFu },
        { 0x123456, 0x56, 0x34, 0x12, 0xFF563412u },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.color);
        EXPECT_EQ(ColorToQColor(c.color), QColor(c.red, c.green, c.blue));
        EXPECT_EQ(ColorToRgb32(c.color), c.pixel);
        EXPECT_EQ(Rgb32ToColor(c.pixel), c.color);
        EXPECT_EQ(QColorToColor(QColor(c.red, c.green, c.blue)), c.color);

        // The pixel value against Qt's own pixel of that colour, and back through a raster write.
        QImage image(2, 1, QImage::Format_RGB32);
        image.setPixelColor(0, 0, ColorToQColor(c.color));
        TRaster(image).SetPixel(1, 0, ColorToRgb32(c.color));
        EXPECT_EQ(image.pixel(0, 0), c.pixel);
        EXPECT_EQ(image.pixelColor(1, 0), ColorToQColor(c.color));
    }
}

TEST(Color, HighByteAndAlphaAreNotPartOfTheColour)
{
    EXPECT_EQ(ColorToRgb32(0x02123456u), ColorToRgb32(0x123456u));
    EXPECT_EQ(ColorToQColor(0xFF0000FFu), QColor(255, 0, 0));
    EXPECT_EQ(Rgb32ToColor(0x00563412u), 0x123456u);
    EXPECT_EQ(QColorToColor(QColor(1, 2, 3, 4)), 0x030201u);
    EXPECT_EQ(QColorToColor(QColor::fromHsv(0, 255, 255)), 255u);
}
