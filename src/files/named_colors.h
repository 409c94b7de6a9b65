#pragma once

#include "render/color.h"

#include <array>

struct TNamedColor {
    const char* Name; // UTF-8
    TColor Color;
};

// The sixteen basic colours in the order of the colour lists: black, maroon,
// green, olive, navy, purple, teal, grey, silver, red, lime, yellow, blue,
// fuchsia, aqua, white. The command line takes a colour by these names.
inline constexpr std::array<TNamedColor, 16> NamedColors { {
    { "Siyah", 0x000000 },
    { "Kestane Rengi", 0x000080 },
    { "Yeşil", 0x008000 },
    { "Olive", 0x008080 },
    { "Lacivert", 0x800000 },
    { "Pembe", 0x800080 },
    { "Teal", 0x808000 },
    { "Gri", 0x808080 },
    { "Gümüş Rengi", 0xC0C0C0 },
    { "Kırmızı", 0x0000FF },
    { "Lime", 0x00FF00 },
    { "Sarı", 0x00FFFF },
    { "Mavi", 0xFF0000 },
    { "Fuchsia", 0xFF00FF },
    { "Aqua", 0xFFFF00 },
    { "Beyaz", 0xFFFFFF },
} };
