#include "engine/derivative.h"
#include "engine/vocabulary.h"
#include "engine_test_support.h"

#include <cmath>

namespace {
// The value of a formula at x, or NaN where it cannot be computed.
long double at(Formula& f, long double x)
{
    f.Memory.SetValue("x", x);
    try {
        return f();
    } catch (const Exception&) {
        return NAN;
    }
}

// The derivative's text, checked to compile back to its own postfix form.
std::string derivativeText(const std::string& formula)
{
    Formula f(formula);
    const TFonksiyon d = f.F.Derivative("X");
    EXPECT_EQ(Postfix(d.GetText()), d.PostfixText()) << formula << " -> " << d.GetText();
    return d.GetText();
}
}

TEST(Derivative, KnownForms)
{
    const std::pair<const char*, const char*> rows[] = {
        { "x^2+1", "2*x" },
        { "3*x", "3" },
        { "x*3", "3" },
        { "7", "0" },
        { "k*x", "k" },
        { "x^3-3*x", "3*x^2-3" },
        { "sin(x)", "cos(x)" },
        { "cos(2*x)", "-2*sin(2*x)" },
        { "-x", "-1" },
        { "-x^2", "2*x" },
        { "ln(x)", "1/x" },
        { "log(x)", "1/(x*ln(10))" },
        { "tan(x)", "1/cos(x)^2" },
        { "2^x", "2^x*ln(2)" },
        { "x^x", "x^x*(ln(x)+x/x)" },
        { "abs(x)", "sgn(x)" },
        { "[|x-3|]*2", "2*sgn(x-3)" },
        { "sgn(x)", "0" },
        { "x div 2", "0" },
        { "x mod 3", "1" },
        { "(x<1)*x", "x<1" },
        { "fact(x)", "0" },
        { "a = 2*x", "2" },
        { "(a = x^2) + a", "2*x+2*x" },
        { "arctan(x)", "1/(1+x^2)" },
        { "arcsin(x)", "1/(1-x^2)^0.5" },
        { "1/x", "-1/x^2" },
        { "sin(x)/x", "(cos(x)*x-sin(x))/x^2" },
    };
    for (const auto& [formula, expected] : rows) {
        SCOPED_TRACE(formula);
        EXPECT_EQ(derivativeText(formula), expected);
    }
}

// Each rule against the central difference of the formula itself.
TEST(Derivative, AgreesWithFiniteDifferences)
{
    const std::pair<const char*, long double> rows[] = {
        { "x^3-3*x", 1.3L },
        { "sin(x)*cos(x)", 0.7L },
        { "tan(x)", 0.4L },
        { "tg(x)", -0.4L },
        { "cotan(x)", 0.9L },
        { "sec(x)", 0.5L },
        { "cosec(x)", 2.1L },
        { "ln(x^2+1)", -1.5L },
        { "log(x)", 3.0L },
        { "arccos(x/2)", 0.3L },
        { "arcsin(x/2)", -0.6L },
        { "arccot(x)", 1.7L },
        { "atn(x)", -2.2L },
        { "e^x", 0.5L },
        { "x^x", 1.5L },
        { "2^(x^2)", 0.8L },
        { "x^0.5", 2.0L },
        { "x^-2", 1.1L },
        { "[|x^3-2|]", 0.5L },
        { "abs(x)*x", -1.5L },
        { "sgn(x)*x^2", 2.5L },
        { "(x>1)*sin(x)", 1.2L },
        { "-sin(x)^2", 0.3L },
        { "sin(cos(x))/x", 0.9L },
        { "(1+x)/(1-x)", 0.2L },
        { "e^-x*x", 0.5L },
        { "pi*x^2-e", 1.2L },
        { "(not (x>1))*x", 0.5L },
    };
    for (const auto& [formula, x] : rows) {
        SCOPED_TRACE(formula);
        Formula f(formula);
        TFonksiyon d = f.F.Derivative("x");
        f.Memory.SetValue("x", x);
        const long double exact = d.Evaluate();
        const long double h = 1e-6L;
        const long double estimate = (at(f, x + h) - at(f, x - h)) / (2 * h);
        EXPECT_NEAR(static_cast<double>(exact), static_cast<double>(estimate),
            1e-7 * std::fmax(1.0, std::fabs(static_cast<double>(exact))));
        EXPECT_EQ(Postfix(d.GetText()), d.PostfixText()) << d.GetText();
    }
}

// Every function of the language has a rule: a new one without a rule fails here.
TEST(Derivative, EveryFunctionHasARule)
{
    for (std::size_t code = 0; code < FunctionTable.size(); ++code) {
        const std::string name(FunctionTable[code]);
        SCOPED_TRACE(name);
        Formula f(name + "(x)");
        EXPECT_NO_THROW(f.F.Derivative("x"));
    }
}

// The infix text of a formula compiles to the very postfix form it came from,
// signs, brackets, word operators and long numbers included.
TEST(InfixText, CompilesBackToTheSamePostfix)
{
    const char* rows[] = {
        "-x^2",
        "-sin(x)^2",
        "2^3^2",
        "2^(3^2)",
        "7 mod 3*2",
        "(7 mod 3)*2",
        "x-(y-z)",
        "x-y-z",
        "x/(y*z)",
        "x/y*z",
        "-(x+1)^2",
        "3*-2",
        "x--2",
        "-pi*x",
        "-e^x",
        "not x and y",
        "a and not b",
        "x<=y",
        "x div -2",
        "[|x-3|]*2",
        "3!+1",
        "x^-y",
        "1.23456789012345678*x",
        "1e-30*x",
        "-1e-7",
        "x<y == (y>x)",
        "0-x",
        "0--2",
        "(x or 1) xor 2",
    };
    for (const char* formula : rows) {
        SCOPED_TRACE(formula);
        Formula f(formula);
        const std::string infix = f.F.InfixText();
        EXPECT_EQ(Postfix(infix), f.F.PostfixText()) << infix;
    }
    // An assignment is read through: the text computes the value without writing.
    EXPECT_EQ(Formula("(a = 2*x) + a").F.InfixText(), "2*x+2*x");
    SeparatorScope comma(',');
    Formula f("x*1,25");
    EXPECT_EQ(f.F.InfixText(), "x*1,25");
}

TEST(Derivative, BreaksOfTheOperationsWithoutOne)
{
    const std::pair<const char*, std::vector<std::string>> rows[] = {
        { "abs(x)+sgn(x)", { "sgn(x)" } },
        { "abs(2)*x", {} },
        { "x mod 2", { "x div 2" } },
        { "(x<1)+fact(x div 3)", { "x<1", "x div 3", "fact(x div 3)" } },
        { "arccot(x-1)", { "sgn(x-1)" } },
        { "sin(x)*x", {} },
    };
    for (const auto& [formula, expected] : rows) {
        SCOPED_TRACE(formula);
        Formula f(formula);
        std::vector<std::string> texts;
        for (const TTerm& b : Differentiate(f.F.Term(), "x").Breaks)
            texts.push_back(InfixText(b));
        EXPECT_EQ(texts, expected);
    }
}
