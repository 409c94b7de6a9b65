#pragma once

#include "render/color.h"

#include <QComboBox>
#include <QTimer>

// A colour list of the 16 named colours; a colour outside them shows as one more
// item "Özel Renk". Changed reports a choice of the user (not SetColor). A double
// click reports DblClick: the list opens only once the double-click time has
// passed after a single click, so that the second click reaches the list itself.
class TLibraryColorCombo : public QComboBox {
    Q_OBJECT

public:
    static constexpr int NamedColorCount = 16;

    explicit TLibraryColorCombo(QWidget* parent = nullptr);

    TColor Color() const;
    void SetColor(TColor color);

    static TColor NamedColor(int index);
    static QString ColorName(int index);

signals:
    void Changed();
    void DblClick();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QTimer FPopupTimer;
};

// The platform's colour dialog owned by owner with color preselected: the colour
// chosen, or color when the user cancels.
TColor LibrarySelectColor(QWidget* owner, TColor color);
