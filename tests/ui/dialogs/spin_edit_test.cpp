#include "ui/dialogs/spin_edit.h"

#include <QApplication>
#include <QFocusEvent>

#include <climits>
#include <gtest/gtest.h>

TEST(SpinEdit, LimitsBindArrowsAndSetValuesButNotTyping)
{
    TSpinEdit spin;
    // No limits at first: any integer.
    spin.SetValue(INT_MIN);
    EXPECT_EQ(spin.value(), INT_MIN);
    spin.stepBy(-1);
    EXPECT_EQ(spin.value(), INT_MIN) << "no wrap at the end of the range";
    spin.SetValue(-90);
    EXPECT_EQ(spin.value(), -90);

    spin.SetMinValue(1);
    EXPECT_EQ(spin.value(), 1) << "limits apply to the value held";
    spin.SetMaxValue(5);
    spin.SetValue(9);
    EXPECT_EQ(spin.value(), 5);
    spin.stepBy(3);
    EXPECT_EQ(spin.value(), 5);
    spin.stepBy(-10);
    EXPECT_EQ(spin.value(), 1);

    // A typed number stands until the field loses the focus.
    spin.setValue(9);
    EXPECT_EQ(spin.value(), 9);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&spin, &out);
    EXPECT_EQ(spin.value(), 5);

    // Crossed limits (no curves: 1 to 0) keep the lower one; equal ones are none.
    spin.SetMaxValue(0);
    spin.SetValue(0);
    EXPECT_EQ(spin.value(), 1);
    spin.SetMaxValue(1);
    spin.SetValue(7);
    EXPECT_EQ(spin.value(), 7);
}
