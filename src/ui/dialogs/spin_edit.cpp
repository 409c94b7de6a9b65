#include "ui/dialogs/spin_edit.h"

#include <climits>

TSpinEdit::TSpinEdit(QWidget* parent)
    : QSpinBox(parent)
{
    // The field itself takes any integer; the limits are applied here.
    setRange(INT_MIN, INT_MAX);
    setValue(0);
}

void TSpinEdit::SetMinValue(int value)
{
    FMinValue = value;
    SetValue(this->value());
}

void TSpinEdit::SetMaxValue(int value)
{
    FMaxValue = value;
    SetValue(this->value());
}

int TSpinEdit::CheckValue(int value) const
{
    if (FMinValue == FMaxValue)
        return value;
    // The lower limit wins when the limits cross (no curves: 1 to 0).
    if (value < FMinValue)
        return FMinValue;
    if (value > FMaxValue)
        return FMaxValue;
    return value;
}

void TSpinEdit::SetValue(int value) { setValue(CheckValue(value)); }

void TSpinEdit::stepBy(int steps)
{
    const long long next
        = static_cast<long long>(value()) + static_cast<long long>(steps) * singleStep();
    const long long bounded = next < INT_MIN ? INT_MIN : (next > INT_MAX ? INT_MAX : next);
    SetValue(static_cast<int>(bounded));
    selectAll();
}

QAbstractSpinBox::StepEnabled TSpinEdit::stepEnabled() const
{
    if (isReadOnly())
        return StepNone;
    return StepUpEnabled | StepDownEnabled;
}

void TSpinEdit::focusOutEvent(QFocusEvent* event)
{
    QSpinBox::focusOutEvent(event);
    if (CheckValue(value()) != value())
        SetValue(value());
}
