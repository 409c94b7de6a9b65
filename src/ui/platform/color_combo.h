#pragma once

#include "files/named_colors.h"
#include "ui/platform/combo_box.h"
#include "ui/platform/hook.h"

#include <functional>

class QWidget;

// A colour list: the sixteen named colours with swatches. A colour outside them
// (one picked in the colour dialog) is shown as one more entry, "Özel Renk",
// after the sixteen; it is replaced by the next such colour and stays listed
// until then. Starts on black. A double click is reported as TComboBox does.
class TColorCombo : public TComboBox {
    Q_OBJECT

public:
    static constexpr const char* CustomName = QT_TR_NOOP("Özel Renk");

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
using TScopedColorDialog = TScopedHook<TColorDialog>;
