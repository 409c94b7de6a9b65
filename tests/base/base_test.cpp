#include "base/exception.h"
#include "base/growth.h"
#include "base/message.h"
#include "base/number_text.h"
#include "base/text.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace {
struct SeparatorGuard {
    explicit SeparatorGuard(char c) { SetDecimalSeparator(c); }
    ~SeparatorGuard() { SetDecimalSeparator('.'); }
};
}

TEST(Message, OneArgument)
{
    EXPECT_EQ(FormatText("List index out of bounds (%d)", 7), "List index out of bounds (7)");
    EXPECT_EQ(FormatText("Açılmamış parantez mevcut %s", ""), "Açılmamış parantez mevcut ");
    EXPECT_EQ(FormatText("Bilinmeyen bir ifade => %s", "$"), "Bilinmeyen bir ifade => $");
    EXPECT_EQ(FormatText("no argument", "x"), "no argument");
}

TEST(Message, ShownTextIsShortAndPrintable)
{
    // Plain texts up to 60 characters stand as they are, Turkish letters included.
    const std::string plains[] = { "", "$", "xş", "ğüşıöçĞÜŞİÖÇ€😀", std::string(60, '9') };
    for (const std::string& plain : plains)
        EXPECT_EQ(ShownText(plain), plain);
    EXPECT_EQ(ShownText(std::string(61, '9')), std::string(60, '9') + "…");
    EXPECT_EQ(ShownText(std::string(100000, '9')), std::string(60, '9') + "…");
    // Characters are counted, not bytes.
    std::string turkish;
    for (int i = 0; i < 70; ++i)
        turkish += "ş";
    EXPECT_EQ(ShownText(turkish), turkish.substr(0, 120) + "…");
    // Control characters and bytes that are not UTF-8 show as their codes.
    EXPECT_EQ(ShownText(std::string("a\0b\tc\x7f", 6)), "a\\x00b\\x09c\\x7f");
    EXPECT_EQ(ShownText("\xc2\x85x"), "\\x85x");
    EXPECT_EQ(ShownText("\xff\xc3"), "\\xff\\xc3");
    EXPECT_EQ(ShownText("\xc0\xaf\xed\xa0\x80"), "\\xc0\\xaf\\xed\\xa0\\x80");
    EXPECT_EQ(ShownText(std::string(59, 'a') + "\t\t"), std::string(59, 'a') + "\\x09…");
}

TEST(Growth, Rule)
{
    const int expected[][2]
        = { { 0, 4 }, { 4, 8 }, { 8, 12 }, { 12, 28 }, { 64, 80 }, { 80, 100 }, { 100, 125 } };
    for (const auto& row : expected)
        EXPECT_EQ(GrownCapacity(row[0]), row[1]) << row[0];
}

TEST(Text, AsciiOnlyCaseRules)
{
    EXPECT_EQ(AsciiLower("SIN(X)_İı"), "sin(x)_İı");
    EXPECT_EQ(CompareTextNoCase("X", "x"), 0);
    EXPECT_LT(CompareTextNoCase("a", "B"), 0);
    EXPECT_LT(CompareTextNoCase("ab", "abc"), 0);
    EXPECT_GT(CompareTextNoCase("y", "X1"), 0);
}

TEST(NumberText, ReadsTheNumberSyntaxUnderEitherSeparator)
{
    struct Row {
        char separator;
        const char* text;
        bool ok;
        long double value;
    };
    const Row rows[] = {
        { '.', "3.5", true, 3.5L },
        { '.', "3,5", false, 0 },
        { ',', "1,5", true, 1.5L },
        { ',', "1.5", false, 0 },
        { '.', "2e", true, 2 },
        { '.', "2e-3", true, 0.002L },
        { '.', "-2e+3", true, -2000 },
        { '.', "+7", true, 7 },
        { '.', ".5", true, 0.5L },
        { '.', "5.", true, 5 },
        { '.', ".", true, 0 },
        { '.', "e5", false, 0 },
        { '.', "", false, 0 },
        { '.', "-", false, 0 },
        { '.', "1e5000", false, 0 },
        { '.', "1e-5000", true, 0 },
        { '.', "1x", false, 0 },
        { '.', " 1", false, 0 },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        SeparatorGuard guard(row.separator);
        long double value = -99;
        EXPECT_EQ(TryTextToFloat(row.text, value), row.ok);
        if (row.ok) {
            EXPECT_EQ(value, row.value);
        }
    }
    long double v = 0;
    ASSERT_TRUE(TryTextToFloat("0.1", v));
    EXPECT_EQ(v, 0.1L) << "read in extended precision, not through double";
}

TEST(NumberText, TextToFloatRaisesTheConversionError)
{
    EXPECT_EQ(TextToFloat(" 0.25 "), 0.25L);
    try {
        TextToFloat("abc");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message(), "'abc' is not a valid floating point value");
    }
    try {
        TextToFloat(std::string(5000, '1') + "x\n");
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_EQ(
            e.Message(), "'" + std::string(60, '1') + "…' is not a valid floating point value");
    }
}

TEST(NumberText, PrintsTheGeneralFormWith15Digits)
{
    struct Row {
        long double value;
        const char* text;
    };
    const Row rows[] = {
        { 0, "0" },
        { 2, "2" },
        { -2.5L, "-2.5" },
        { 0.1L + 0.2L, "0.3" },
        { 1.0L / 3, "0.333333333333333" },
        { 2.0L / 3, "0.666666666666667" },
        { 0.00001L, "0.00001" },
        { 0.0000015L, "1.5E-6" },
        { 123456789012345.0L, "123456789012345" },
        { 1e15L, "1E15" },
        { 1.25e20L, "1.25E20" },
        { 0.11L, "0.11" },
        { 100, "100" },
        { std::numeric_limits<long double>::infinity(), "INF" },
    };
    for (const Row& row : rows)
        EXPECT_EQ(FloatToText(row.value), row.text);
    SeparatorGuard guard(',');
    EXPECT_EQ(FloatToText(1.5L), "1,5");
    EXPECT_EQ(FloatToText(1.5e-7L), "1,5E-7");
}

TEST(NumberText, Integers)
{
    long long v = 0;
    EXPECT_TRUE(TryTextToInt("75", v));
    EXPECT_EQ(v, 75);
    EXPECT_TRUE(TryTextToInt("-3", v));
    EXPECT_EQ(v, -3);
    EXPECT_FALSE(TryTextToInt("99999999999999999999", v));
    EXPECT_FALSE(TryTextToInt("7 ", v));
    EXPECT_FALSE(TryTextToInt("", v));
    EXPECT_FALSE(TryTextToInt("+", v));
}

TEST(Exceptions, MathFaultsShareOneBase)
{
    try {
        throw EZeroDivide();
    } catch (const EMathError& e) {
        EXPECT_EQ(e.Message(), "Floating point division by zero");
    }
    EXPECT_STREQ(EInvalidOp().what(), "Invalid floating point operation");
    EXPECT_STREQ(EOverflow().what(), "Floating point overflow");
}
