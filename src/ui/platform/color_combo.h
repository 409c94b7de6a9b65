#pragma once

#include "render/color.h"
#include "ui/platform/combo_box.h"

#include <array>
#include <functional>

class QWidget;

struct TNamedColor {
    const char* Name; // UTF-8
    TColor Color;
};

// The sixteen basic colours in the order of the colour lists: black, maroon,
// green, olive, navy, purple, teal, grey, silver, red, lime, yellow, blue,
// fuchsia, aqua, white.
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

// A colour list: the sixteen named colours with swatches. A colour outside them
// (one picked in the colour dialog) is shown as one more entry, "Özel Renk",
// after the sixteen; it is replaced by the next such colour and stays listed
// until then. Starts on black. A double click is reported as TComboBox does.
class TColorCombo : public TComboBox {
    Q_OBJECT

public:
    static constexpr const char* CustomName = "Özel Renk";

    explicit TColorCombo(QWidget* parent = nullptr);

    TColor Color() const { return FColor; }
    // Selects the named entry of color, or the custom entry holding it. The
    // high byte is not part of the colour.
    void SetColor(TColor color);
    bool HasCustomEntry() const { return count() > static_cast<int>(NamedColors.size()); }

signals:
    // Whenever Color() changes, by the user or by SetColor.
    void ColorChanged(TColor color);

private:
    void IndexChanged(int index);

    TColor FColor = 0;
};

// The colour dialog: given its owner and the colour to preselect, sets color to
// the colour the user confirms and returns true, or returns false on cancel.
using TColorDialog = std::function<bool(QWidget* owner, TColor& color)>;

// Opens the colour dialog owned by owner with color preselected; returns the
// colour chosen, or color itself when the user cancels.
TColor SelectColor(QWidget* owner, TColor color);

// Replaces the dialog SelectColor opens (an empty one stands for QColorDialog)
// and returns the one in use before. Tests answer the dialog this way.
TColorDialog SetColorDialog(TColorDialog dialog);

// Answers SelectColor with its own dialog while it lives.
class TScopedColorDialog {
public:
    explicit TScopedColorDialog(TColorDialog dialog)
        : FPrevious(SetColorDialog(std::move(dialog)))
    {
    }
    ~TScopedColorDialog() { SetColorDialog(std::move(FPrevious)); }
    TScopedColorDialog(const TScopedColorDialog&) = delete;
    TScopedColorDialog& operator=(const TScopedColorDialog&) = delete;

private:
    TColorDialog FPrevious;
};
