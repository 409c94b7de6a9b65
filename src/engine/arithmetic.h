#pragma once

// The arithmetic of the formula language in extended precision. Faults are
// never masked: division by zero, invalid operations and overflow raise the
// math errors of src/base; underflow and loss of precision pass silently.
// Every value that reaches these functions from a formula is finite.
//
// Internal to the engine: its x87 instructions are included by the engine's own
// sources alone (and by the benchmark that measures native code with the same
// instructions), never through a header another layer sees.

#include "base/exception.h"
#include "base/message.h"
#include "base/rounding.h"
#include "engine/fonksiyon_error.h"
#include "engine/vocabulary.h"

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <string>

namespace arithmetic {

[[noreturn]] inline void operandError(const char* name)
{
    throw EFonksiyonError(
        FormatText("Operetor ile uyuşmayan değere sağip operand mevcut. Operetor => %s", name));
}

// Overflow (or an invalid result from operands that were not finite).
[[noreturn]] inline void notFinite(long double r)
{
    if (std::isnan(r))
        throw EInvalidOp();
    throw EOverflow();
}

inline long double checked(long double r)
{
    if (!(std::fabs(r) <= LDBL_MAX)) [[unlikely]]
        notFinite(r);
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

// log(x) for x > 0 through the processor's fyl2x, scaled by ln 2 or lg 2.
inline long double naturalLog(long double x)
{
    if (x < 0)
        throw EInvalidOp();
    if (x == 0)
        throw EZeroDivide();
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fldln2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x));
    return r;
#else
    return std::log(x);
#endif
}

inline long double commonLog(long double x)
{
    if (x < 0)
        throw EInvalidOp();
    if (x == 0)
        throw EZeroDivide();
#if defined(__x86_64__) || defined(__i386__)
    long double r;
    __asm__("fldlg2\n\tfxch\n\tfyl2x" : "=t"(r) : "0"(x));
    return r;
#else
    return std::log10(x);
#endif
}

inline long double reciprocal(long double x)
{
    if (x == 0)
        throw EZeroDivide();
    return checked(1 / x);
}

inline long double divide(long double left, long double right)
{
    if (right == 0) {
        if (left == 0)
            throw EInvalidOp();
        throw EZeroDivide();
    }
    return checked(left / right);
}

inline long double squareRoot(long double x)
{
    if (x < 0)
        throw EInvalidOp();
    return std::sqrt(x);
}

inline long double factorial(long double x)
{
    std::int64_t n = 0;
    if (!WholeToInt64(x, n) || n < 0)
        operandError("fact");
    long double r = 1;
    // The product leaves the extended range by 1755!, so the loop is short.
    for (std::int64_t i = 2; i <= n; ++i) {
        r *= static_cast<long double>(i);
        if (r > LDBL_MAX)
            throw EOverflow();
    }
    return r;
}

// left^n for a whole n, by squaring; a negative n through the reciprocal.
inline long double wholePower(long double left, long n)
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
                throw EZeroDivide();
            throw EOverflow();
        }
        return checked(1 / result);
    }
    return checked(result);
}

inline long double power(long double left, long double right)
{
    if (right == 0)
        return 1;
    if (left == 0 && right > 0)
        return 0;
    if (std::int64_t n = 0; WholeToInt64(right, n) && n >= -2147483647 && n <= 2147483647)
        return wholePower(left, static_cast<long>(n));
    return checked(std::exp(right * naturalLog(left)));
}

// An operand of the integer operators: a whole number in the 32-bit range.
inline long long wholeOperand(long double v, const char* name)
{
    std::int64_t n = 0;
    if (!WholeToInt64(v, n) || n < -2147483648LL || n > 2147483647LL)
        operandError(name);
    return n;
}

inline long double logicalNot(long double v) { return wholeOperand(v, "not") == 1 ? 0 : 1; }

inline long double function(std::uint8_t code, long double x)
{
    switch (code) {
    case fnAbs:
        return std::fabs(x);
    case fnArccos:
        return std::atan2(squareRoot(1 - x * x), x);
    case fnArccot:
        return std::atan2(reciprocal(x), 1.0L);
    case fnArcsin:
        return std::atan2(x, squareRoot(1 - x * x));
    case fnArctan:
    case fnAtn:
        return std::atan2(x, 1.0L);
    case fnCos:
        return cosine(x);
    case fnCosec:
        return reciprocal(sine(x));
    case fnCotan:
        return reciprocal(std::tan(x));
    case fnFact:
        return factorial(x);
    case fnLn:
        return naturalLog(x);
    case fnLog:
        return commonLog(x);
    case fnSec:
        return reciprocal(cosine(x));
    case fnSgn:
        return x > 0 ? 1 : -1;
    case fnSin:
        return sine(x);
    case fnTan:
    case fnTg:
        return checked(std::tan(x));
    }
    const std::string name
        = code < FunctionTable.size() ? std::string(FunctionTable[code]) : std::to_string(code);
    throw EFonksiyonError(FormatText("Tanımlanmış fakat işlemleri FunctionEvaluate biloğunda "
                                     "belirtilmemiş function => %s. Programcı bu bilokta gerekli "
                                     "kotlamayı yapmalıdır.",
        name));
}

inline long double operation(std::uint8_t code, long double left, long double right)
{
    switch (code) {
    case opPower:
        return power(left, right);
    case opMultiply:
        return checked(left * right);
    case opDivide:
        return divide(left, right);
    case opIntDivide:
    case opModulo: {
        const char* name = code == opIntDivide ? "div" : "mod";
        const long long a = wholeOperand(left, name);
        const long long b = wholeOperand(right, name);
        if (b == 0)
            throw EDivByZero();
        return static_cast<long double>(code == opIntDivide ? a / b : a % b);
    }
    case opAdd:
        return checked(left + right);
    case opSubtract:
        return checked(left - right);
    case opAnd:
        return static_cast<long double>(wholeOperand(left, "and") & wholeOperand(right, "and"));
    case opOr:
        return static_cast<long double>(wholeOperand(left, "or") | wholeOperand(right, "or"));
    case opXor:
        return static_cast<long double>(wholeOperand(left, "xor") ^ wholeOperand(right, "xor"));
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
    const std::string symbol = code < OperatorTable.size() ? std::string(OperatorTable[code].Symbol)
                                                           : std::to_string(code);
    throw EFonksiyonError(FormatText("Tanımlanmış fakat işlemleri OperatorEvaluate biloğunda "
                                     "belirtilmemiş operator => %s. Programcı bu bilokta gerekli "
                                     "kotlamayı yapmalıdır.",
        symbol));
}

} // namespace arithmetic
