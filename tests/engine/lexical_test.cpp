#include "engine/formula_separator.h"
#include "engine/tokenizer.h"
#include "engine/vocabulary.h"
#include "engine_test_support.h"

#include <algorithm>

namespace {
std::string joined(const std::vector<std::string>& tokens)
{
    std::string text;
    for (const std::string& t : tokens)
        text += "{" + t + "}";
    return text;
}
std::string glued(const std::string& text) { return joined(GlueSigns(Tokenize(text))); }
}

TEST(Tokenizer, CutsRunsAndOperatorPairs)
{
    const std::pair<const char*, const char*> rows[] = {
        { "SIN(X)", "{sin}{(}{x}{)}" },
        { "x<=y", "{x}{<=}{y}" },
        { "x< =y", "{x}{<}{=}{y}" },
        { "a<>b", "{a}{<}{>}{b}" },
        { "a=<b", "{a}{=}{<}{b}" },
        { "a!=b==c>=d", "{a}{!=}{b}{==}{c}{>=}{d}" },
        { "[|x|]", "{[|}{x}{|]}" },
        { "a|b", "{a}{|}{b}" },
        { "3.5+3,5", "{3.5}{+}{3,5}" },
        { "xdivy x;y", "{xdivy}{x;y}" },
        { "x\ty", "{x\ty}" },
        { " x \r\n+\n y ", "{x}{+}{y}" },
        { "7\\2%3", "{7}{\\}{2}{%}{3}" },
        { "", "" },
    };
    for (const auto& [text, tokens] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(joined(Tokenize(text)), tokens);
    }
}

TEST(Tokenizer, GluesSignsAndEmptyExponents)
{
    const std::pair<const char*, const char*> rows[] = {
        { "2e-3", "{2e-3}" },
        { "2e - 3", "{2e-3}" },
        { "2e+3", "{2e+3}" },
        { "2e*3", "{2e}{*}{3}" },
        { "2e-x", "{2e}{-}{x}" },
        { "-2^2", "{-2}{^}{2}" },
        { "- 3", "{-3}" },
        { "+3", "{3}" },
        { "3*-2", "{3}{*}{-2}" },
        { "3!-2", "{3}{!}{-}{2}" },
        { "2-3", "{2}{-}{3}" },
        { "(x)-3", "{(}{x}{)}{-}{3}" },
        { "(-2)", "{(}{-2}{)}" },
        { "[|-2|]", "{[|}{-2}{|]}" },
        { "-2e-3", "{-2e-3}" },
        { "x mod -2", "{x}{mod}{-2}" },
        { "-x", "{-}{x}" },
    };
    for (const auto& [text, tokens] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(glued(text), tokens);
    }
}

TEST(Vocabulary, TablesAreConsistent)
{
    EXPECT_TRUE(std::is_sorted(FunctionTable.begin(), FunctionTable.end()))
        << "functions are found by binary search";
    for (std::size_t i = 0; i < FunctionTable.size(); ++i)
        EXPECT_EQ(FindFunction(FunctionTable[i]), static_cast<int>(i));
    EXPECT_EQ(FindFunction("SIN"), fnSin);
    EXPECT_EQ(FindFunction("sinh"), -1);
    for (std::size_t i = 0; i < OperatorTable.size(); ++i)
        EXPECT_EQ(FindOperator(OperatorTable[i].Symbol), static_cast<int>(i));
    for (const TWordOperator& word : WordOperatorTable)
        EXPECT_EQ(FindOperator(word.Word), word.Code);
    for (char c : OperatorCharacters)
        if (c != '|') {
            EXPECT_GE(FindOperator(std::string(1, c)), 0) << c;
        }
    EXPECT_EQ(ConstantTable[cnPi].Value, 3.14159265358979323851L);
    EXPECT_EQ(ConstantTable[cnE].Value, 2.71828182845905L);
    EXPECT_EQ(ConstantTable[cnMinusPi].Value, -ConstantTable[cnPi].Value);
}

TEST(Recognition, OrderOfKinds)
{
    // e5 is a variable and 1e5 a number; word operators are operators.
    EXPECT_EQ(Postfix("e5 + 1e5"), "e5 100000 + ");
    EXPECT_EQ(Postfix("x div y"), "x y \\ ");
    EXPECT_EQ(Postfix("x eq y"), "x y == ");
    EXPECT_EQ(Postfix("x1_a*2"), "x1_a 2 * ");
    EXPECT_EQ(Postfix("e*pi"), "e pi * ");
    EXPECT_EQ(CompileMessage("1x"), "Bilinmeyen bir ifade => 1x");
    EXPECT_EQ(CompileMessage("_x"), "Bilinmeyen bir ifade => _x");
    EXPECT_EQ(CompileMessage("xş"), "Bilinmeyen bir ifade => xş");
    EXPECT_EQ(CompileMessage("xdivy"), "");
    EXPECT_EQ(CompileMessage("x\t+1"), "Bilinmeyen bir ifade => x\\x09");
    EXPECT_EQ(CompileMessage("sin|x"), "Bilinmeyen bir ifade => |");

    // Names are significant up to 50 characters.
    const std::string longName(60, 'a');
    Formula formula(longName + "+1");
    ASSERT_EQ(formula.Memory.Count(), 1);
    EXPECT_EQ(formula.Memory.Items(0).Name, std::string(50, 'a'));
}

TEST(Recognition, DecimalSeparatorOfTheUser)
{
    {
        SeparatorScope turkish(',');
        EXPECT_EQ(Formula("1,5*2")(), 3);
        EXPECT_EQ(CompileMessage("1.5"), "Bilinmeyen bir ifade => 1.5");
        EXPECT_EQ(Postfix("x+0,25"), "x 0,25 + ");
    }
    EXPECT_EQ(Formula("1.5*2")(), 3);
    EXPECT_EQ(CompileMessage("1,5"), "Bilinmeyen bir ifade => 1,5");
}

TEST(Recognition, FormulasWrittenUnderTheOtherSeparator)
{
    const std::pair<const char*, const char*> toComma[] = {
        { "4.5*sin(a)*cos(b)", "4,5*sin(a)*cos(b)" },
        { "-0.25+x^1.5e-3 / .5", "-0,25+x^1,5e-3 / ,5" },
        { "x,y + 1,5", "x,y + 1,5" }, // already readable, or not a number either way
        { "1.2.3 + . + a.5", "1.2.3 + . + a.5" },
        { "", "" },
    };
    {
        SeparatorScope turkish(',');
        for (const auto& [text, converted] : toComma) {
            SCOPED_TRACE(text);
            EXPECT_EQ(WithCurrentDecimalSeparator(text), converted);
        }
        EXPECT_EQ(Formula(WithCurrentDecimalSeparator("4.5*2"))(), 9);
        // Written with the point for a file and read back: the same formula again.
        EXPECT_EQ(WithDecimalPoint("-0,25+x^1,5e-3 / ,5 + , + x,y"), "-0.25+x^1.5e-3 / .5 + , + x,y");
        for (const auto& [text, converted] : toComma) {
            SCOPED_TRACE(converted);
            EXPECT_EQ(WithCurrentDecimalSeparator(WithDecimalPoint(converted)), converted);
        }
    }
    EXPECT_EQ(WithDecimalPoint("4.5*x + 1,5"), "4.5*x + 1,5");
    const std::pair<const char*, const char*> toPoint[] = {
        { "4,5*sin(x)", "4.5*sin(x)" },
        { "2,e+3 - [|,5|]", "2.e+3 - [|.5|]" },
        { "x.y + 1.5 + , + 1,2,3", "x.y + 1.5 + , + 1,2,3" },
    };
    for (const auto& [text, converted] : toPoint) {
        SCOPED_TRACE(text);
        EXPECT_EQ(WithCurrentDecimalSeparator(text), converted);
    }
    EXPECT_EQ(Formula(WithCurrentDecimalSeparator("4,5*2"))(), 9);
}
