#pragma once

#include <QSpinBox>

// An integer field with arrows whose limits bound the arrows, the values the
// program sets and the value left when the field loses the focus, but not what
// is being typed: a window sees a typed number as it stands. Equal limits (both
// 0 at first) mean no limits.
class TSpinEdit : public QSpinBox {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* parent = nullptr);

    int MinValue() const { return FMinValue; }
    void SetMinValue(int value);
    int MaxValue() const { return FMaxValue; }
    void SetMaxValue(int value);
    // Brought within the limits when they differ.
    void SetValue(int value);
    int CheckValue(int value) const;
    // The arrows and the up and down keys.
    void stepBy(int steps) override;

protected:
    StepEnabled stepEnabled() const override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    int FMinValue = 0;
    int FMaxValue = 0;
};
