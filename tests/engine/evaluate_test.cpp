#include "engine/arithmetic.h"
#include "engine/vocabulary.h"
#include "engine_test_support.h"
#include "number_stack.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>

namespace {
// The postfix sequence walked the plain way, with the operand stack and the
// table lookups by name: the reference the compiled program is checked against.
long double referenceEvaluate(const TFonksiyon& f, TVariableMemory& memory)
{
    TNumberAndVariantStack stack;
    const TExpressionArray& code = f.Compiled();
    for (int i = 0; i < code.Count(); ++i) {
        const TExpressionElement& e = code[i];
        long double a = 0;
        long double b = 0;
        std::string name;
        switch (e.Kind) {
        case ekNumber:
            stack.PushNumber(e.Value);
            break;
        case ekConstant:
            stack.PushNumber(ConstantTable[e.Code].Value);
            break;
        case ekVariable:
            stack.PushVariable(e.Name, memory.GetValue(e.Name));
            break;
        case ekFunction:
            EXPECT_TRUE(stack.Pop(a));
            stack.PushNumber(TFonksiyon::FunctionEvaluate(e.Code, a));
            break;
        case ekOperator:
            if (e.Code == opNot) {
                EXPECT_TRUE(stack.Pop(a));
                const long double t = std::trunc(a);
                if (t != a || std::fabs(a) > 2147483647)
                    throw EFonksiyonError("not");
                stack.PushNumber(t == 1 ? 0 : 1);
            } else if (e.Code == opAssign) {
                EXPECT_TRUE(stack.Pop(a));
                EXPECT_TRUE(stack.PopName(name));
                memory.SetValue(name, a);
                stack.PushVariable(name, a);
            } else {
                EXPECT_TRUE(stack.Pop(b));
                EXPECT_TRUE(stack.Pop(a));
                stack.PushNumber(TFonksiyon::OperatorEvaluate(e.Code, a, b));
            }
            break;
        }
    }
    long double result = 0;
    EXPECT_TRUE(stack.Pop(result));
    EXPECT_TRUE(stack.IsEmpty()) << "a formula that compiled leaves exactly one entry";
    return result;
}

constexpr long double Pi = 3.14159265358979323851L;
}

TEST(Evaluate, ValuesAgainstTheSameExpressionInCpp)
{
    struct Row {
        const char* text;
        long double x;
        std::function<long double(long double)> native;
    };
    const Row rows[] = {
        { "x^2+1", 3, [](long double x) { return x * x + 1; } },
        { "sin(x)*cos(x)+x^3/5-2*x", 0.7L,
            [](long double x) { return sinl(x) * cosl(x) + x * x * x / 5 - 2 * x; } },
        { "[|x-3|]*2", 1, [](long double x) { return fabsl(x - 3) * 2; } },
        { "2*x mod 3 + fact(5)", 4, [](long double x) { return (long long)(2 * x) % 3 + 120.0L; } },
        { "-x^2", 3, [](long double x) { return x * x; } },
        { "-(x+1)", 2, [](long double x) { return -(x + 1); } },
        { "2*-(x)", 2, [](long double x) { return -2 * x; } },
        { "-sin(x)^2", 0.5L, [](long double x) { return sinl(x) * sinl(x); } },
        { "2^3^2", 0, [](long double) { return 64.0L; } },
        { "7 mod 3*2", 0, [](long double) { return 1.0L; } },
        { "-2^2", 0, [](long double) { return 4.0L; } },
        { "2e-3*1000", 0, [](long double) { return 2.0L; } },
        { "2e*3", 0, [](long double) { return 6.0L; } },
        { "x^-1", 4, [](long double x) { return 1 / x; } },
        { "x^0.5", 2, [](long double x) { return expl(0.5L * logl(x)); } },
        { "ln(x)+log(x)", 10, [](long double x) { return logl(x) + log10l(x); } },
        { "arcsin(x)+arccos(x)", 0.3L, [](long double) { return Pi / 2; } },
        { "atn(x)-arctan(x)+arccot(x)", 2, [](long double x) { return atanl(1 / x); } },
        { "tan(x)-tg(x)+sec(x)+cosec(x)+cotan(x)", 1,
            [](long double x) { return 1 / cosl(x) + 1 / sinl(x) + 1 / tanl(x); } },
        { "sgn(x)+sgn(-x)+sgn(0)", 2, [](long double) { return -1.0L; } },
        { "abs(x)+[|-x|]", -2.5L, [](long double) { return 5.0L; } },
        { "pi*e", 0, [](long double) { return Pi * 2.71828182845905L; } },
        { "-pi+-e", 0, [](long double) { return -Pi - 2.71828182845905L; } },
        { "(x<4)+(x>=4)*10+(x==3)*100+(x!=3)*1000+(x le 3)+(x gt 2)", 3,
            [](long double) { return 103.0L; } },
        { "5 div 2 + 10*(-5 div 2) + 100*(-5 mod 3)", 0,
            [](long double) { return 2.0L - 20 - 200; } },
        { "6 and 3 + 0*(6 or 3)", 0, [](long double) { return 2.0L; } },
        { "(6 or 3)*10 + (6 xor 3)", 0, [](long double) { return 75.0L; } },
        { "not 0 + 10*not 1 + 100*not 5", 0, [](long double) { return 1.0L; } },
        { "(not 0) + 10*(not 1) + 100*(not 5)", 0, [](long double) { return 101.0L; } },
        { "2 * not x", 0, [](long double) { return 2.0L; } },
        { "1 + not 0", 0, [](long double) { return 2.0L; } },
        { "3!+0!", 0, [](long double) { return 7.0L; } },
        { "0^0 + 0^3", 0, [](long double) { return 1.0L; } },
        { "1^2000000000 + 2^-1", 0, [](long double) { return 1.5L; } },
        { "(-2)^3", 0, [](long double) { return -8.0L; } },
        { "1.0001^1000", 0, [](long double) { return powl(1.0001L, 1000); } },
        { "sin(2^63)+cos(-2^64)", 0, [](long double) { return 0.0L; } },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Formula formula(row.text);
        formula.Memory.SetValue("X", row.x);
        const long double value = formula();
        const long double expected = row.native(row.x);
        EXPECT_NEAR(static_cast<double>(value), static_cast<double>(expected),
            1e-15 * std::max(1.0, std::fabs(static_cast<double>(expected))));
        formula.Memory.SetValue("x", row.x);
        EXPECT_EQ(value, referenceEvaluate(formula.F, formula.Memory));
    }
}

// The short names give what their long spellings give, value or fault, at every x.
TEST(Evaluate, ShortFunctionNamesAreTheirLongForms)
{
    const std::pair<const char*, const char*> pairs[] = {
        { "sqrt(x)", "x^0.5" },
        { "exp(x)", "e^x" },
        { "asin(x)", "arcsin(x)" },
        { "acos(x)", "arccos(x)" },
        { "atan(x)", "arctan(x)" },
        { "SQRT(x)+Exp(-x)", "x^0.5+e^-x" },
    };
    const auto outcome = [](Formula& f, long double x) -> std::string {
        f.Memory.SetValue("x", x);
        try {
            const long double v = f();
            char text[64];
            std::snprintf(text, sizeof text, "%La", v);
            return text;
        } catch (const Exception& e) {
            return "fault: " + e.Message();
        }
    };
    for (const auto& [shortForm, longForm] : pairs) {
        SCOPED_TRACE(shortForm);
        Formula a(shortForm);
        Formula b(longForm);
        for (const long double x : { -20000.0L, -2.0L, -1.0L, -0.5L, 0.0L, 1e-300L, 0.25L, 1.0L,
                 2.0L, 7.5L, 11356.0L, 11357.0L, 1e30L })
            EXPECT_EQ(outcome(a, x), outcome(b, x)) << static_cast<double>(x);
    }
    // And against the library, for values a user checks by hand.
    Formula root("sqrt(x)");
    root.Memory.SetValue("x", 2);
    EXPECT_NEAR(static_cast<double>(root()), std::sqrt(2.0), 1e-15);
    Formula exponential("exp(x)");
    exponential.Memory.SetValue("x", 1);
    EXPECT_EQ(exponential(), 2.71828182845905L) << "the program's e";
    Formula negative("sqrt(x)");
    negative.Memory.SetValue("x", -4);
    EXPECT_THROW(negative(), EInvalidOp);
}

TEST(Evaluate, ProcessorSineStaysWithinAFewUnitsOfTheLibrary)
{
    Formula formula("sin(x)+cos(x)*1000");
    Formula s("sin(x)");
    Formula c("cos(x)");
    for (long double x = -100; x < 100; x += 0.37L) {
        s.Memory.SetValue("x", x);
        c.Memory.SetValue("x", x);
        EXPECT_NEAR(static_cast<double>(s() - sinl(x)), 0.0, 1e-18) << static_cast<double>(x);
        EXPECT_NEAR(static_cast<double>(c() - cosl(x)), 0.0, 1e-18) << static_cast<double>(x);
    }
}

// The curves keep both of an argument's sine and cosine from one instruction: they
// must be the very values the two separate ones give, over angles of every size
// (a walk's sums, far turns, tiny and negative ones) and past the end of the range.
TEST(Evaluate, SineAndCosineAtOnceAreTheSeparateOnesBitForBit)
{
    std::vector<long double> arguments { 0, -0.0L, 0x1p-70L, 0x1p62L, -0x1p62L, 0x1p63L, 1e30L,
        std::numeric_limits<long double>::infinity() };
    for (long double t = -10; t < 10; t += 0.00037L)
        arguments.push_back(t);
    for (long double t = 1; t < 1e18L; t *= 1.37L)
        arguments.insert(arguments.end(), { t, -t, t * Pi, 1 / t });
    for (const long double x : arguments) {
        long double s = 1, c = 1;
        arithmetic::sineAndCosine(x, s, c);
        const long double sine = arithmetic::sine(x), cosine = arithmetic::cosine(x);
        EXPECT_EQ(std::memcmp(&s, &sine, 10), 0) << static_cast<double>(x);
        EXPECT_EQ(std::memcmp(&c, &cosine, 10), 0) << static_cast<double>(x);
    }
}

TEST(Evaluate, Faults)
{
    enum Fault { Zero, Invalid, Overflow, Operand, DivByZero };
    struct Row {
        const char* text;
        Fault fault;
        const char* message;
    };
    const char* operandMessage = "Operetor ile uyuşmayan değere sağip operand mevcut. Operetor => ";
    const Row rows[] = {
        { "(11/2) div 2", Operand, "div" },
        { "7 \\ 0.5", Operand, "div" },
        { "7 % 1.5", Operand, "mod" },
        { "3000000000 mod 2", Operand, "mod" },
        { "1.5 and 1", Operand, "and" },
        { "1 or 0.5", Operand, "or" },
        { "0.1 xor 1", Operand, "xor" },
        { "not (1/2)", Operand, "not" },
        { "(5/2)!", Operand, "fact" },
        { "fact(-3)", Operand, "fact" },
        { "fact(1e30)", Operand, "fact" },
        { "fact(1755)", Overflow, "Floating point overflow" },
        { "fact(1e15)", Overflow, "Floating point overflow" },
        { "1/0", Zero, "Floating point division by zero" },
        { "0/0", Invalid, "Invalid floating point operation" },
        { "cosec(0)", Zero, "Floating point division by zero" },
        { "cotan(0)", Zero, "Floating point division by zero" },
        { "arccot(0)", Zero, "Floating point division by zero" },
        { "ln(0)", Zero, "Floating point division by zero" },
        { "log(0)", Zero, "Floating point division by zero" },
        { "ln(-1)", Invalid, "Invalid floating point operation" },
        { "log(-1)", Invalid, "Invalid floating point operation" },
        { "arcsin(2)", Invalid, "Invalid floating point operation" },
        { "arccos(-1.5)", Invalid, "Invalid floating point operation" },
        { "(-8)^(1/3)", Invalid, "Invalid floating point operation" },
        { "0^-1", Zero, "Floating point division by zero" },
        { "0^-0.5", Zero, "Floating point division by zero" },
        { "5 div 0", DivByZero, "Division by zero" },
        { "5 mod 0", DivByZero, "Division by zero" },
        { "10^4000*10^1000", Overflow, "Floating point overflow" },
        { "10^5000", Overflow, "Floating point overflow" },
        { "2^100000.5", Overflow, "Floating point overflow" },
        { "1e4000*1e4000", Overflow, "Floating point overflow" },
        { "1e4932*10-1", Overflow, "Floating point overflow" },
        // The reciprocal of a whole power below the range: folded from constants
        // or at evaluation, and through functions that would pass infinity on.
        { "(1e-2470*1e-2470)^-1", Overflow, "Floating point overflow" },
        { "abs((1e-2470*1e-2470)^-1)", Overflow, "Floating point overflow" },
        { "0.5^-100000", Overflow, "Floating point overflow" },
        { "(-1e-3000)^-3", Overflow, "Floating point overflow" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Formula formula(row.text);
        try {
            formula();
            ADD_FAILURE() << "no fault";
        } catch (const EFonksiyonError& e) {
            EXPECT_EQ(row.fault, Operand);
            EXPECT_EQ(e.Message(), std::string(operandMessage) + row.message);
        } catch (const EDivByZero& e) {
            EXPECT_EQ(row.fault, DivByZero);
            EXPECT_EQ(e.Message(), row.message);
        } catch (const EZeroDivide& e) {
            EXPECT_EQ(row.fault, Zero);
            EXPECT_EQ(e.Message(), row.message);
        } catch (const EInvalidOp& e) {
            EXPECT_EQ(row.fault, Invalid);
            EXPECT_EQ(e.Message(), row.message);
        } catch (const EOverflow& e) {
            EXPECT_EQ(row.fault, Overflow);
            EXPECT_EQ(e.Message(), row.message);
        }
        // After a failure the formula evaluates again (and fails again).
        EXPECT_THROW(formula(), Exception);
        // Point generation asks only whether the value can be computed: no exception.
        TProgram bound = formula.F.Program();
        bound.Bind(&formula.Memory, nullptr);
        long double value = 0;
        EXPECT_FALSE(bound.TryRunBound(value));
    }
}

TEST(Evaluate, PowersOfVariablesThatOverflowRaise)
{
    struct Row {
        const char* text;
        long double x;
    };
    const Row rows[] = {
        { "x^-1", 1e-4940L },
        { "x^-2", 1e-2470L },
        { "abs(x^-1)", 1e-4940L },
        { "ln(x^-1)", 1e-4940L },
        { "y = x^-1", 1e-4940L },
        { "x^(0-2)", 1e-2470L },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Formula formula(row.text);
        formula.Memory.SetValue("x", row.x);
        EXPECT_THROW(formula(), EOverflow);
        EXPECT_EQ(formula.Memory.GetValue("y"), 0);
    }
    // Just inside the range the reciprocal stands; a zero base still divides by zero.
    Formula near("x^-1");
    near.Memory.SetValue("x", 1e-4930L);
    EXPECT_NEAR(static_cast<double>(near() / 1e4930L), 1.0, 1e-15);
    near.Memory.SetValue("x", 0);
    EXPECT_THROW(near(), EZeroDivide);
}

// A run looks once at its result: the fault that a check after every step
// raises is raised, also when later steps hide it or raise another first.
TEST(Evaluate, OneFaultCheckRaisesWhatCheckingEveryStepRaises)
{
    struct Row {
        const char* text;
        long double x;
        const char* message; // "" when the formula gives a value
    };
    const char* overflow = "Floating point overflow";
    const long double inf = std::numeric_limits<long double>::infinity();
    const Row rows[] = {
        { "x*x - x*x", 1e4000L, overflow },
        { "x*x > 0", 1e4000L, overflow },
        { "(x*x) div 2", 1e4000L, overflow },
        { "1/(x*x)", 1e4000L, overflow },
        { "sin(x*x)", 1e4000L, overflow },
        { "x*x*0", 1e4000L, overflow },
        { "[|x+x|] < 1", 1e4932L, overflow },
        { "x/(x-x) + 1", 2, "Floating point division by zero" },
        { "(x-x)/(x-x) == 0", 2, "Invalid floating point operation" },
        { "fact(x) - x*x", 1755, overflow },
        { "(x*0.5) mod 2 + x*x", 3,
            "Operetor ile uyuşmayan değere sağip operand mevcut. Operetor => mod" },
        { "x+1 > 0", inf, overflow },
        { "x*0 < 1", std::numeric_limits<long double>::quiet_NaN(),
            "Invalid floating point operation" },
        { "x*x + ln(x-x)", 1e4000L, overflow },
        { "x*x + (x-x) mod 2", 1e4000L, overflow },
        { "2/(x*x) + sgn(x)", 1e4000L, overflow },
        { "x*x - 1e4932", 1e2466L, "" },
        { "x^-5000", 10, "" },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.text);
        Formula formula(row.text);
        formula.Memory.SetValue("x", row.x);
        TProgram everyStep = formula.F.Program();
        everyStep.Bind(&formula.Memory, nullptr);
        std::string once, checked;
        long double onceValue = 0, checkedValue = 0;
        try {
            onceValue = formula();
        } catch (const Exception& e) {
            once = e.Message();
        }
        try {
            checkedValue = everyStep.RunChecked();
        } catch (const Exception& e) {
            checked = e.Message();
        }
        EXPECT_EQ(once, row.message);
        EXPECT_EQ(checked, row.message);
        EXPECT_EQ(onceValue, checkedValue);
        // Whether generation keeps the point: the same without an exception.
        long double tried = 0;
        EXPECT_EQ(everyStep.TryRunBound(tried), once.empty());
        if (once.empty()) {
            EXPECT_EQ(tried, onceValue);
        }
    }
    // Fault flags that another computation left set change nothing.
    volatile long double big = 1e4000L;
    volatile long double product = big * big;
    (void)product;
    Formula fine("x*2+1");
    fine.Memory.SetValue("x", 3);
    EXPECT_EQ(fine(), 7);
    EXPECT_EQ(fine(), 7);
}

TEST(Evaluate, SilentUnderflowAndLargeTangent)
{
    EXPECT_EQ(Formula("(1e3000)^-3")(), 0);
    EXPECT_EQ(Formula("1e-4000*1e-4000")(), 0);
    EXPECT_EQ(Formula("10^-5000")(), 0);
    EXPECT_GT(std::fabs(Formula("tan(pi/2)")()), 1e18L);
    EXPECT_TRUE(std::isfinite(Formula("tan(pi/2)")()));
}

TEST(Evaluate, UnknownCodes)
{
    try {
        TFonksiyon::FunctionEvaluate(static_cast<std::uint8_t>(FunctionTable.size()), 1);
        FAIL();
    } catch (const EFonksiyonError& e) {
        EXPECT_EQ(e.Message(),
            "Tanımlanmış fakat işlemleri FunctionEvaluate biloğunda belirtilmemiş "
            "function => 22. Programcı bu bilokta gerekli kotlamayı yapmalıdır.");
    }
    for (std::uint8_t code : { opOpenRound, opFactorial, opNot, opAssign }) {
        try {
            TFonksiyon::OperatorEvaluate(code, 1, 2);
            FAIL();
        } catch (const EFonksiyonError& e) {
            EXPECT_EQ(e.Message(),
                "Tanımlanmış fakat işlemleri OperatorEvaluate biloğunda belirtilmemiş operator => "
                    + std::string(OperatorTable[code].Symbol)
                    + ". Programcı bu bilokta gerekli kotlamayı yapmalıdır.");
        }
    }
}

TEST(Evaluate, AssignmentAndVariablesByName)
{
    Formula formula("y = 2*x");
    formula.Memory.SetValue("X", 3);
    EXPECT_EQ(formula(), 6);
    EXPECT_EQ(formula.Memory.GetValue("y"), 6);
    formula.Memory.SetValue("unused", 9);
    EXPECT_EQ(formula.Memory.IndexOf("unused"), -1);
    EXPECT_EQ(formula(), 6);

    // An assignment is seen by every formula sharing the table.
    TFonksiyon reader;
    reader.SetMemory(&formula.Memory);
    reader.SetText("y+x");
    formula.F.RegisterVariables();
    formula.Memory.SetValue("x", 5);
    formula();
    EXPECT_EQ(reader.Evaluate(), 15);

    // `=` groups from the left like every infix operator, and its result
    // carries its target: (a = b) = 4 writes b into a, then 4 into a.
    Formula chain("a = b = 4");
    chain.Memory.SetValue("b", 7);
    EXPECT_EQ(chain(), 4);
    EXPECT_EQ(chain.Memory.GetValue("b"), 7);
    EXPECT_EQ(chain.Memory.GetValue("a"), 4);

    // A name missing from the table reads 0: another formula emptied it.
    Formula shared("x+1");
    shared.Memory.SetValue("x", 41);
    EXPECT_EQ(shared(), 42);
    TFonksiyon other;
    other.SetMemory(&shared.Memory);
    other.SetText("t");
    EXPECT_EQ(shared(), 1);
    EXPECT_EQ(shared.Memory.GetValue("x"), 0);
    // Without any table every variable reads 0.
    TFonksiyon alone;
    alone.SetText("z+2");
    EXPECT_EQ(alone.Evaluate(), 2);
}

TEST(Evaluate, WholePowersAndFactorialsAreQuick)
{
    // Would take seconds by repeated multiplication or recursion; a test
    // without a timer still fails by timing out if either came back.
    for (int i = 0; i < 1000; ++i) {
        EXPECT_EQ(Formula("1^2000000000")(), 1);
        EXPECT_EQ(Formula("(-1)^2147483647")(), -1);
        EXPECT_THROW(Formula("fact(1e15)")(), EOverflow);
    }
    EXPECT_EQ(Formula("fact(20)")(), 2432902008176640000.0L);
    EXPECT_EQ(Formula("2^62")(), 4611686018427387904.0L);
    EXPECT_EQ(Formula("x^2")(), 0);
}
