#include "engine/derivative.h"

#include "base/catalogue.h"
#include "base/message.h"
#include "engine/fonksiyon_error.h"
#include "engine/vocabulary.h"

#include <string>

namespace {
TTerm add(const TTerm& a, const TTerm& b) { return Combine(opAdd, a, b); }
TTerm sub(const TTerm& a, const TTerm& b) { return Combine(opSubtract, a, b); }
TTerm mul(const TTerm& a, const TTerm& b) { return Combine(opMultiply, a, b); }
TTerm quo(const TTerm& a, const TTerm& b) { return Combine(opDivide, a, b); }
TTerm raised(const TTerm& a, const TTerm& b) { return Combine(opPower, a, b); }
TTerm num(long double v) { return NumberTerm(v); }
TTerm fn(std::uint8_t code, const TTerm& a) { return Apply(code, a); }
TTerm square(const TTerm& a) { return raised(a, num(2)); }
// The square root as the language writes it without a function of its own.
TTerm root(const TTerm& a) { return raised(a, num(0.5L)); }

class TDifferentiator {
public:
    TDifferentiator(std::string_view variable, std::vector<TTerm>& breaks)
        : FVariable(variable)
        , FBreaks(breaks)
    {
    }

    TTerm operator()(const TTerm& t)
    {
        if (!Uses(t, FVariable))
            return num(0);
        switch (t->Kind) {
        case ekNumber:
        case ekConstant:
            return num(0);
        case ekVariable:
            return num(1); // it is the variable: Uses said so
        case ekFunction:
            return function(t);
        case ekOperator:
            break;
        }
        return operation(t);
    }

private:
    void breakAt(const TTerm& changing)
    {
        const std::string text = InfixText(changing);
        for (const TTerm& b : FBreaks)
            if (InfixText(b) == text)
                return;
        FBreaks.push_back(changing);
    }

    TTerm function(const TTerm& t)
    {
        const TTerm& u = t->Left;
        const TTerm du = (*this)(u);
        switch (t->Code) {
        case fnAbs:
            breakAt(fn(fnSgn, u));
            return mul(fn(fnSgn, u), du);
        case fnSgn:
            breakAt(fn(fnSgn, u));
            return num(0);
        case fnFact:
            breakAt(t);
            return num(0);
        case fnArccos:
        case fnAcos:
            return Negate(quo(du, root(sub(num(1), square(u)))));
        case fnArcsin:
        case fnAsin:
            return quo(du, root(sub(num(1), square(u))));
        case fnArccot:
            // arctan(1/u) jumps by pi where u changes sign.
            breakAt(fn(fnSgn, u));
            return Negate(quo(du, add(num(1), square(u))));
        case fnArctan:
        case fnAtan:
        case fnAtn:
            return quo(du, add(num(1), square(u)));
        case fnCos:
            return Negate(mul(fn(fnSin, u), du));
        case fnSin:
            return mul(fn(fnCos, u), du);
        case fnCosec:
            return Negate(quo(mul(fn(fnCos, u), du), square(fn(fnSin, u))));
        case fnSec:
            return quo(mul(fn(fnSin, u), du), square(fn(fnCos, u)));
        case fnCotan:
            return Negate(quo(du, square(fn(fnSin, u))));
        case fnTan:
        case fnTg:
            return quo(du, square(fn(fnCos, u)));
        case fnLn:
            return quo(du, u);
        case fnExp:
            return mul(t, du);
        case fnSqrt:
            return quo(du, mul(num(2), t));
        case fnLog:
            return quo(du, mul(u, fn(fnLn, num(10))));
        }
        throw EFonksiyonError(FormatText(Localized("Türevi bilinmeyen fonksiyon => %s"),
            t->Code < FunctionTable.size() ? std::string(FunctionTable[t->Code]) : ""));
    }

    TTerm operation(const TTerm& t)
    {
        if (t->Code == opNot) {
            breakAt(t);
            return num(0);
        }
        const TTerm& a = t->Left;
        const TTerm& b = t->Right;
        switch (t->Code) {
        case opAdd:
        case opSubtract:
        case opMultiply:
        case opDivide: {
            // One operand after the other, so that breaks are listed in the formula's order.
            const TTerm da = (*this)(a);
            const TTerm db = (*this)(b);
            if (t->Code == opAdd)
                return add(da, db);
            if (t->Code == opSubtract)
                return sub(da, db);
            if (t->Code == opMultiply)
                return add(mul(da, b), mul(a, db));
            if (IsNumber(db, 0))
                return quo(da, b);
            return quo(sub(mul(da, b), mul(a, db)), square(b));
        }
        case opPower:
            return power(a, b);
        case opIntDivide:
            breakAt(t);
            return num(0);
        case opModulo: {
            // a mod b is a - b*(a div b), the quotient constant between breaks.
            const TTerm da = (*this)(a);
            const TTerm db = (*this)(b);
            const TTerm quotient = Combine(opIntDivide, a, b);
            breakAt(quotient);
            return sub(da, mul(db, quotient));
        }
        default:
            // The comparisons and the bitwise operators: constant between breaks.
            breakAt(t);
            return num(0);
        }
    }

    TTerm power(const TTerm& a, const TTerm& b)
    {
        const TTerm da = (*this)(a);
        const TTerm db = (*this)(b);
        if (IsNumber(db, 0)) // a^c: c*a^(c-1)*a'
            return mul(mul(b, raised(a, sub(b, num(1)))), da);
        if (IsNumber(da, 0)) // c^b: c^b*ln(c)*b'
            return mul(mul(raised(a, b), fn(fnLn, a)), db);
        // a^b = e^(b*ln a): a^b*(b'*ln(a) + b*a'/a)
        return mul(raised(a, b), add(mul(db, fn(fnLn, a)), quo(mul(b, da), a)));
    }

    std::string_view FVariable;
    std::vector<TTerm>& FBreaks;
};
}

TDerivative Differentiate(const TTerm& term, std::string_view variable)
{
    TDerivative result;
    result.Value = TDifferentiator(variable, result.Breaks)(term);
    return result;
}
