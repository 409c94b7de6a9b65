#pragma once

// The arithmetic of the formula language in extended precision. Faults are
// never masked: division by zero, invalid operations and overflow raise the
// math errors of src/base; underflow and loss of precision pass silently.
// Every value that reaches these functions from a formula is finite.
//
// Internal to the engine: its x87 instructions are included by the engine's own
// sources alone (and by the benchmark that measures native code with the same
// instructions), never through a header another layer sees.

#include "base/catalogue.h"
#include "base/exception.h"
#include "base/message.h"
#include "base/rounding.h"
#include "engine/fonksiyon_error.h"
#include "engine/vocabulary.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

namespace arithmetic {

[[noreturn]] inline void operandError(const char* name)
{
    throw EFonksiyonError(
        FormatText(Localized("Operetor ile uyuşmayan değere sağip operand mevcut. Operetor => %s"), name));
}

// How a step reports a fault. TRaise throws the program's error for it; TRecord
// notes that the step failed and lets the run go on with a NaN, for a caller that
// asks only whether a value can be computed (point generation), so that a point
// that cannot be computed costs no exception.
struct TRaise {
    [[noreturn]] long double InvalidOp() const { throw EInvalidOp(); }
    [[noreturn]] long double ZeroDivide() const { throw EZeroDivide(); }
    [[noreturn]] long double Overflow() const { throw EOverflow(); }
    [[noreturn]] long double DivByZero() const { throw EDivByZero(); }
    [[noreturn]] long double Operand(const char* name) const { operandError(name); }
    [[noreturn]] long double Unknown(const char* format, const std::string& name) const
    {
        throw EFonksiyonError(FormatText(Localized(format), name));
    }
};

struct TRecord {
    bool* Failed;
    long double InvalidOp() const { return fail(); }
    long double ZeroDivide() const { return fail(); }
    long double Overflow() const { return fail(); }
    long double DivByZero() const { return fail(); }
    long double Operand(const char*) const { return fail(); }
    long double Unknown(const char*, const std::string&) const { return fail(); }
    long double fail() const
    {
        *Failed = true;
        return std::numeric_limits<long double>::quiet_NaN();
    }
};

// Overflow (or an invalid result from operands that were not finite).
template <typename F = TRaise> long double notFinite(long double r, F fault = {})
{
    if (std::isnan(r))
        return fault.InvalidOp();
    return fault.Overflow();
}

template <typename F = TRaise> inline long double checked(long double r, F fault = {})
{
    if (!(std::fabs(r) <= LDBL_MAX)) [[unlikely]]
        return notFinite(r, fault);
    return r;
}

// The processor's own sine and cosine: fast and within a few units in the last
// place over the plotting range. They give up at a magnitude of 2^63, where
// the result is 0.
inline long double sine(long double x)
{
    if (!(std::fabs(x) < 0x1p63L))
        return 0;
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fsin" : "=t"(r) : "0"(x));
    return r;
#else
    return std::sin(x);
#endif
}

inline long double cosine(long double x)
{
    if (!(std::fabs(x) < 0x1p63L))
        return 0;
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fcos" : "=t"(r) : "0"(x));
    return r;
#else
    return std::cos(x);
#endif
}

// Both at once, through the processor's fsincos, which gives the very values its
// fsin and fcos give on the same argument for about the price of one of them.
inline void sineAndCosine(long double x, long double& s, long double& c)
{
    if (!(std::fabs(x) < 0x1p63L)) {
        s = c = 0;
        return;
    }
#if defined(__x86_64__) || defined(__i386__)
    __asm__("fsincos" : "=t"(c), "=u"(s) : "0"(x));
#else
    s = std::sin(x);
    c = std::cos(x);
#endif
}

// log(x) for x > 0 through the processor's fyl2x, scaled by ln 2 or lg 2.
template <typename F = TRaise> inline long double naturalLog(long double x, F fault = {})
{
    if (x < 0)
        return fault.InvalidOp();
    if (x == 0)
        return fault.ZeroDivide();
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fldln2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x));
    return r;
#else
    return std::log(x);
#endif
}

template <typename F = TRaise> inline long double commonLog(long double x, F fault = {})
{
    if (x < 0)
        return fault.InvalidOp();
    if (x == 0)
        return fault.ZeroDivide();
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fldlg2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x));
    return r;
#else
    return std::log10(x);
#endif
}

template <typename F = TRaise> inline long double reciprocal(long double x, F fault = {})
{
    if (x == 0)
        return fault.ZeroDivide();
    return checked(1 / x, fault);
}

template <typename F = TRaise>
inline long double divide(long double left, long double right, F fault = {})
{
    if (right == 0) {
        if (left == 0)
            return fault.InvalidOp();
        return fault.ZeroDivide();
    }
    return checked(left / right, fault);
}

template <typename F = TRaise> inline long double squareRoot(long double x, F fault = {})
{
    if (x < 0)
        return fault.InvalidOp();
    return std::sqrt(x);
}

template <typename F = TRaise> inline long double factorial(long double x, F fault = {})
{
    std::int64_t n = 0;
    if (!WholeToInt64(x, n) || n < 0)
        return fault.Operand("fact");
    long double r = 1;
    // The product leaves the extended range by 1755!, so the loop is short.
    for (std::int64_t i = 2; i <= n; ++i) {
        r *= static_cast<long double>(i);
        if (r > LDBL_MAX)
            return fault.Overflow();
    }
    return r;
}

// left^n for a whole n, by squaring; a negative n through the reciprocal.
template <typename F = TRaise> inline long double wholePower(long double left, long n, F fault = {})
{
    unsigned long m = n < 0 ? 0UL - static_cast<unsigned long>(n) : static_cast<unsigned long>(n);
    long double result = 1;
    long double base = left;
    for (;;) {
        if (m & 1)
            result *= base;
        m >>= 1;
        if (m == 0)
            break;
        base *= base;
    }
    if (n < 0) {
        // 0^-n divides by zero; a nonzero power that underflowed to 0, or one so
        // small that its reciprocal leaves the range, is an overflow. A power that
        // overflowed has a reciprocal below the range: 0, silently, like any underflow.
        if (result == 0) {
            if (left == 0)
                return fault.ZeroDivide();
            return fault.Overflow();
        }
        return checked(1 / result, fault);
    }
    return checked(result, fault);
}

// Whether a power's exponent is a whole number that squaring handles, and which.
inline bool isWholeExponent(long double v, std::int64_t& n)
{
    return WholeToInt64(v, n) && n >= -2147483647 && n <= 2147483647;
}

template <typename F = TRaise>
inline long double power(long double left, long double right, F fault = {})
{
    if (right == 0)
        return 1;
    if (left == 0 && right > 0)
        return 0;
    if (std::int64_t n = 0; isWholeExponent(right, n))
        return wholePower(left, static_cast<long>(n), fault);
    return checked(std::exp(right * naturalLog(left, fault)), fault);
}

// Whether v is an operand of the integer operators, a whole number in the
// 32-bit range, and which one.
inline bool isWholeOperand(long double v, std::int64_t& n)
{
    return WholeToInt64(v, n) && n >= -2147483648LL && n <= 2147483647LL;
}

// An operand of the integer operators; ok turns false (and the fault is
// reported) when v is not one.
template <typename F = TRaise>
inline long long wholeOperand(long double v, const char* name, bool& ok, F fault = {})
{
    std::int64_t n = 0;
    if (!isWholeOperand(v, n)) {
        fault.Operand(name);
        ok = false;
        return 0;
    }
    return n;
}

// a div b or a mod b of two whole operands, b not 0.
inline long double wholeQuotient(std::uint8_t code, long long a, long long b)
{
    return static_cast<long double>(code == opIntDivide ? a / b : a % b);
}

// left div right or left mod right for a right operand known to be a whole
// number of the 32-bit range other than 0 (a constant of the formula).
template <typename F = TRaise>
inline long double wholeQuotientBy(std::uint8_t code, long double left, long long right, F fault = {})
{
    bool ok = true;
    const long long a = wholeOperand(left, code == opIntDivide ? "div" : "mod", ok, fault);
    if (!ok)
        return std::numeric_limits<long double>::quiet_NaN();
    return wholeQuotient(code, a, right);
}

template <typename F = TRaise> inline long double logicalNot(long double v, F fault = {})
{
    bool ok = true;
    const long long n = wholeOperand(v, "not", ok, fault);
    return !ok ? std::numeric_limits<long double>::quiet_NaN() : n == 1 ? 0 : 1;
}

template <typename F = TRaise>
inline long double function(std::uint8_t code, long double x, F fault = {})
{
    switch (code) {
    case fnAbs:
        return std::fabs(x);
    case fnAcos:
    case fnArccos:
        return std::atan2(squareRoot(1 - x * x, fault), x);
    case fnArccot:
        return std::atan2(reciprocal(x, fault), 1.0L);
    case fnArcsin:
    case fnAsin:
        return std::atan2(x, squareRoot(1 - x * x, fault));
    case fnArctan:
    case fnAtan:
    case fnAtn:
        return std::atan2(x, 1.0L);
    case fnCos:
        return cosine(x);
    case fnCosec:
        return reciprocal(sine(x), fault);
    case fnCotan:
        return reciprocal(std::tan(x), fault);
    case fnExp:
        // e^x with the constant e, so that the two spellings agree to the last bit.
        return power(ConstantTable[cnE].Value, x, fault);
    case fnFact:
        return factorial(x, fault);
    case fnLn:
        return naturalLog(x, fault);
    case fnLog:
        return commonLog(x, fault);
    case fnSec:
        return reciprocal(cosine(x), fault);
    case fnSgn:
        return x > 0 ? 1 : -1;
    case fnSin:
        return sine(x);
    case fnSqrt:
        // x^0.5, with its faults: a negative x is an invalid operation.
        return power(x, 0.5L, fault);
    case fnTan:
    case fnTg:
        return checked(std::tan(x), fault);
    }
    return fault.Unknown("Tanımlanmış fakat işlemleri FunctionEvaluate biloğunda belirtilmemiş "
                         "function => %s. Programcı bu bilokta gerekli kotlamayı yapmalıdır.",
        code < FunctionTable.size() ? std::string(FunctionTable[code]) : std::to_string(code));
}

template <typename F = TRaise>
inline long double operation(std::uint8_t code, long double left, long double right, F fault = {})
{
    bool ok = true;
    const auto whole = [&ok, fault](long double v, const char* name) {
        return ok ? wholeOperand(v, name, ok, fault) : 0;
    };
    const auto result = [&ok](long long v) {
        return ok ? static_cast<long double>(v) : std::numeric_limits<long double>::quiet_NaN();
    };
    switch (code) {
    case opPower:
        return power(left, right, fault);
    case opMultiply:
        return checked(left * right, fault);
    case opDivide:
        return divide(left, right, fault);
    case opIntDivide:
    case opModulo: {
        const char* name = code == opIntDivide ? "div" : "mod";
        const long long a = whole(left, name);
        const long long b = whole(right, name);
        if (!ok)
            return result(0);
        if (b == 0)
            return fault.DivByZero();
        return wholeQuotient(code, a, b);
    }
    case opAdd:
        return checked(left + right, fault);
    case opSubtract:
        return checked(left - right, fault);
    case opAnd: {
        const long long a = whole(left, "and");
        return result(a & whole(right, "and"));
    }
    case opOr: {
        const long long a = whole(left, "or");
        return result(a | whole(right, "or"));
    }
    case opXor: {
        const long long a = whole(left, "xor");
        return result(a ^ whole(right, "xor"));
    }
    case opEqual:
        return left == right ? 1 : 0;
    case opNotEqual:
        return left != right ? 1 : 0;
    case opLess:
        return left < right ? 1 : 0;
    case opGreater:
        return left > right ? 1 : 0;
    case opLessEqual:
        return left <= right ? 1 : 0;
    case opGreaterEqual:
        return left >= right ? 1 : 0;
    }
    return fault.Unknown("Tanımlanmış fakat işlemleri OperatorEvaluate biloğunda belirtilmemiş "
                         "operator => %s. Programcı bu bilokta gerekli kotlamayı yapmalıdır.",
        code < OperatorTable.size() ? std::string(OperatorTable[code].Symbol)
                                    : std::to_string(code));
}

} // namespace arithmetic
