#include "curves/curve_types.h"
#include "curves_test_support.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
// The values a free variable takes, walked as the row describes it.
std::vector<long double> walk(const TFreeVariable& variable, long double step)
{
    std::vector<long double> values;
    for (long double value = variable.Start; variable.Takes(value); value += step)
        values.push_back(value);
    return values;
}

std::string lower(const char* name)
{
    std::string text(name);
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}
}

// Every type is sampled over the variables its row names: a curve whose used
// formulas read all of them takes one point per value of the outer walk (times
// the inner walk), on one thread or several, and leaves each variable at its
// last value, where the next curve reads it.
TEST(CurveTypes, EachTypeIsSampledOverTheVariablesOfItsRow)
{
    for (int type = 0; type < CurveTypeCount; ++type) {
        const TCurveTypeRow& row = CurveTypes[type];
        SCOPED_TRACE(type);
        EXPECT_EQ(row.Code, type);
        const TFreeVariable& outer = row.Variables[0];
        const TFreeVariable& inner = row.Variables[1];
        ASSERT_NE(outer.Name, nullptr);
        const bool twoVariables = HasInnerVariable(type);
        EXPECT_EQ(twoVariables, inner.Name != nullptr);

        const long double step = twoVariables ? 0.01L : 0.001L;
        const std::vector<long double> outerValues = walk(outer, step);
        const std::vector<long double> innerValues
            = twoVariables ? walk(inner, step) : std::vector<long double> { 0 };
        const long double expected
            = static_cast<long double>(outerValues.size() * innerValues.size());
        EXPECT_EQ(TObjectList::SampleCount(type, step), expected);

        const std::string reads = lower(outer.Name) + (twoVariables ? "+" + lower(inner.Name) : "");
        std::string formulas[3];
        for (int k = 0; k < 3; ++k)
            if (UsesFormula(type, k))
                formulas[k] = reads;
        for (const int threads : { 1, 3 }) {
            SCOPED_TRACE(threads);
            TObjectList list;
            list.SetThreads(threads);
            const int index
                = Append(list, Curve(type, formulas[0], formulas[1], formulas[2], step));
            EXPECT_EQ(list.Items(index).Points->Count(), expected);
            EXPECT_EQ(*list.Variables().ValueSlot(outer.Name), outerValues.back());
            if (twoVariables) {
                EXPECT_EQ(*list.Variables().ValueSlot(inner.Name), innerValues.back());
            }
        }
    }
}

// Outside the table a code uses no formula and is refused by the list.
TEST(CurveTypes, CodesOutsideTheTable)
{
    for (const int type : { -1, CurveTypeCount, 255 }) {
        EXPECT_FALSE(IsCurveType(type));
        EXPECT_FALSE(UsesFx(type) || UsesFy(type) || UsesFz(type));
        EXPECT_FALSE(HasInnerVariable(type));
        TObjectList list;
        EXPECT_NE(ObjectListMessage([&] { Append(list, Curve(type, "x", "x", "x")); }), "no error");
    }
}
