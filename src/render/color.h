#pragma once

#include "geometry/space_point.h" // TColor

#include <QColor>
#include <QRgb>

#include <cstdint>

// Conversions of the program's colour value (TColor) to and from Qt's.

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
