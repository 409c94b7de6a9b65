#pragma once

#include "render/color.h"

#include <QtGlobal>

#include <array>

struct TNamedColor {
    const char* Name; // UTF-8; the colour lists show it translated
    TColor Color;
};

// The sixteen basic colours in the order of the colour lists: black, maroon,
// green, olive, navy, purple, teal, grey, silver, red, lime, yellow, blue,
// fuchsia, aqua, white. The command line takes a colour by these names.
inline constexpr std::array<TNamedColor, 16> NamedColors { {
    { QT_TRANSLATE_NOOP("TColorCombo", "Siyah"), 0x000000 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Kestane Rengi"), 0x000080 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Yeşil"), 0x008000 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Olive"), 0x008080 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Lacivert"), 0x800000 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Pembe"), 0x800080 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Teal"), 0x808000 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Gri"), 0x808080 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Gümüş Rengi"), 0xC0C0C0 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Kırmızı"), 0x0000FF },
    { QT_TRANSLATE_NOOP("TColorCombo", "Lime"), 0x00FF00 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Sarı"), 0x00FFFF },
    { QT_TRANSLATE_NOOP("TColorCombo", "Mavi"), 0xFF0000 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Fuchsia"), 0xFF00FF },
    { QT_TRANSLATE_NOOP("TColorCombo", "Aqua"), 0xFFFF00 },
    { QT_TRANSLATE_NOOP("TColorCombo", "Beyaz"), 0xFFFFFF },
} };
