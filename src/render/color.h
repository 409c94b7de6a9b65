#pragma once

#include <QColor>
#include <QRgb>

#include <cstdint>

// The program's colour value: red in the low byte, green in the next, blue in the third
// (255 is red, 8421504 grey, 16777215 white). The high byte is not part of the colour and is
// ignored by every conversion below.
using TColor = std::uint32_t;

constexpr int ColorRed(TColor color) { return static_cast<int>(color & 0xFFu); }
constexpr int ColorGreen(TColor color) { return static_cast<int>((color >> 8) & 0xFFu); }
constexpr int ColorBlue(TColor color) { return static_cast<int>((color >> 16) & 0xFFu); }

// The pixel value of a 32-bit image (QImage::Format_RGB32): 0xFFRRGGBB, opaque.
constexpr QRgb ColorToRgb32(TColor color)
{
    return 0xFF000000u | ((color & 0xFFu) << 16) | (color & 0xFF00u) | ((color >> 16) & 0xFFu);
}

// The alpha byte of the pixel is dropped: the program's colours are always opaque.
constexpr TColor Rgb32ToColor(QRgb pixel)
{
    return ((pixel >> 16) & 0xFFu) | (pixel & 0xFF00u) | ((pixel & 0xFFu) << 16);
}

inline QColor ColorToQColor(TColor color)
{
    return QColor(ColorRed(color), ColorGreen(color), ColorBlue(color));
}

inline TColor QColorToColor(const QColor& color) { return Rgb32ToColor(color.rgb()); }
