#include "engine/term.h"

#include "base/catalogue.h"
#include "base/number_text.h"
#include "base/text.h"
#include "engine/arithmetic.h"
#include "engine/fonksiyon_error.h"
#include "engine/vocabulary.h"

#include <cstdio>
#include <map>
#include <vector>

namespace {
TTerm node(TElementKind kind, std::uint8_t code, TTerm left = {}, TTerm right = {})
{
    auto n = std::make_shared<TTermNode>();
    n->Kind = kind;
    n->Code = code;
    n->Left = std::move(left);
    n->Right = std::move(right);
    return n;
}

TTerm constantTerm(std::uint8_t code) { return node(ekConstant, code); }

bool isInfix(const TTerm& t) { return t->Kind == ekOperator && t->Code != opNot; }

// 0 - x, the form a sign before an operand takes.
bool isNegation(const TTerm& t)
{
    return t->Kind == ekOperator && t->Code == opSubtract && IsNumber(t->Left, 0);
}

// Whether a number prints as a text that reads back as the very same value, so
// that a folded number costs the formula text nothing.
bool readsBack(long double v)
{
    long double back = 0;
    return std::isfinite(v) && TryTextToFloat(FloatToText(v), back) && back == v;
}

// The folded value of an operation on numbers, when it succeeds and reads back.
bool folded(long double v, bool failed, TTerm& out)
{
    if (failed || !readsBack(v))
        return false;
    out = NumberTerm(v);
    return true;
}

std::string numberText(long double v)
{
    if (readsBack(v))
        return FloatToText(v);
    // 21 significant digits name every extended value.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.20Le", v);
    std::string text = buffer;
    for (char& c : text)
        if (c == '.')
            c = DecimalSeparator();
    return text;
}

std::string operatorText(std::uint8_t code)
{
    switch (code) {
    case opIntDivide:
        return " div ";
    case opModulo:
        return " mod ";
    case opAnd:
    case opOr:
    case opXor:
        return " " + std::string(OperatorTable[code].Symbol) + " ";
    default:
        return std::string(OperatorTable[code].Symbol);
    }
}

std::string text(const TTerm& t, bool top);

// An operand that stands on its own: a leaf that is no negative number, a
// function, a negation or a bracket.
std::string atomText(const TTerm& t)
{
    const bool bare = (t->Kind == ekNumber && !std::signbit(t->Value)) || t->Kind == ekVariable
        || (t->Kind == ekConstant && (t->Code == cnE || t->Code == cnPi)) || t->Kind == ekFunction
        || isNegation(t);
    return bare ? text(t, false) : "(" + text(t, true) + ")";
}

std::string text(const TTerm& t, bool top)
{
    switch (t->Kind) {
    case ekNumber:
        return numberText(t->Value);
    case ekConstant:
        return std::string(ConstantTable[t->Code].Spelling);
    case ekVariable:
        return t->Name;
    case ekFunction:
        return std::string(FunctionTable[t->Code]) + "(" + text(t->Left, true) + ")";
    case ekOperator:
        break;
    }
    if (t->Code == opNot) {
        const std::string inner = "not " + atomText(t->Left);
        return top ? inner : "(" + inner + ")";
    }
    // A sign before an operand makes a bracketed operand of its own: -x^2 is (0-x)^2.
    if (isNegation(t))
        return "-" + atomText(t->Right);
    const int rank = Precedence(t->Code);
    const auto side = [rank](const TTerm& operand, bool right) {
        if (isInfix(operand) && !isNegation(operand)) {
            const int inner = Precedence(operand->Code);
            // Every operator groups from the left: a right operand of the same rank needs brackets.
            if (inner < rank || (right && inner == rank))
                return "(" + text(operand, true) + ")";
        }
        return text(operand, false);
    };
    return side(t->Left, false) + operatorText(t->Code) + side(t->Right, true);
}
}

TTerm NumberTerm(long double value)
{
    auto n = std::make_shared<TTermNode>();
    n->Kind = ekNumber;
    n->Value = value;
    return n;
}

TTerm VariableTerm(const std::string& name)
{
    auto n = std::make_shared<TTermNode>();
    n->Kind = ekVariable;
    n->Name = name;
    return n;
}

bool IsNumber(const TTerm& term) { return term->Kind == ekNumber; }

bool IsNumber(const TTerm& term, long double value)
{
    return term->Kind == ekNumber && term->Value == value;
}

bool Uses(const TTerm& term, std::string_view variable)
{
    if (!term)
        return false;
    if (term->Kind == ekVariable)
        return CompareTextNoCase(term->Name, variable) == 0;
    return Uses(term->Left, variable) || Uses(term->Right, variable);
}

TTerm Apply(std::uint8_t function, const TTerm& operand)
{
    if (IsNumber(operand)) {
        bool failed = false;
        const long double v
            = arithmetic::function(function, operand->Value, arithmetic::TRecord { &failed });
        if (TTerm out; folded(v, failed, out))
            return out;
    }
    return node(ekFunction, function, operand);
}

TTerm NotTerm(const TTerm& term) { return node(ekOperator, opNot, term); }

TTerm Negate(const TTerm& term)
{
    if (IsNumber(term))
        return NumberTerm(-term->Value);
    if (term->Kind == ekConstant)
        return constantTerm(static_cast<std::uint8_t>(term->Code ^ 2)); // e <-> -e, pi <-> -pi
    if (isNegation(term))
        return term->Right;
    if (term->Kind == ekOperator && term->Code == opMultiply && IsNumber(term->Left))
        return Combine(opMultiply, NumberTerm(-term->Left->Value), term->Right);
    return node(ekOperator, opSubtract, NumberTerm(0), term);
}

TTerm Combine(std::uint8_t code, const TTerm& left, const TTerm& right)
{
    if (IsNumber(left) && IsNumber(right)) {
        bool failed = false;
        const long double v = arithmetic::operation(
            code, left->Value, right->Value, arithmetic::TRecord { &failed });
        if (TTerm out; folded(v, failed, out))
            return out;
    }
    switch (code) {
    case opAdd:
        if (IsNumber(left, 0))
            return right;
        if (IsNumber(right, 0))
            return left;
        if (isNegation(right))
            return Combine(opSubtract, left, right->Right);
        if (IsNumber(right) && right->Value < 0)
            return Combine(opSubtract, left, NumberTerm(-right->Value));
        break;
    case opSubtract:
        if (IsNumber(right, 0))
            return left;
        if (IsNumber(left, 0))
            return Negate(right);
        if (isNegation(right))
            return Combine(opAdd, left, right->Right);
        if (IsNumber(right) && right->Value < 0)
            return Combine(opAdd, left, NumberTerm(-right->Value));
        break;
    case opMultiply:
        if (IsNumber(left, 0) || IsNumber(right, 0))
            return NumberTerm(0);
        if (IsNumber(left, 1))
            return right;
        if (IsNumber(right, 1))
            return left;
        if (IsNumber(left, -1))
            return Negate(right);
        if (IsNumber(right, -1))
            return Negate(left);
        if (isNegation(left))
            return Negate(Combine(opMultiply, left->Right, right));
        if (isNegation(right))
            return Negate(Combine(opMultiply, left, right->Right));
        // A number factor goes first and meets the number of a product behind it.
        if (IsNumber(right))
            return Combine(opMultiply, right, left);
        if (IsNumber(left) && right->Kind == ekOperator && right->Code == opMultiply
            && IsNumber(right->Left)) {
            const TTerm factor = Combine(opMultiply, left, right->Left);
            if (IsNumber(factor))
                return Combine(opMultiply, factor, right->Right);
        }
        break;
    case opDivide:
        if (IsNumber(left, 0))
            return NumberTerm(0);
        if (IsNumber(right, 1))
            return left;
        if (IsNumber(right, -1))
            return Negate(left);
        if (isNegation(left))
            return Negate(Combine(opDivide, left->Right, right));
        break;
    case opPower:
        if (IsNumber(right, 0))
            return NumberTerm(1);
        if (IsNumber(right, 1))
            return left;
        if (IsNumber(left, 1))
            return NumberTerm(1);
        break;
    default:
        break;
    }
    return node(ekOperator, code, left, right);
}

TTerm TermOf(const TExpressionArray& postfix)
{
    // Each entry keeps the name of the variable it was read from, for `=`.
    struct TEntry {
        TTerm Term;
        std::string Name;
    };
    std::vector<TEntry> stack;
    std::map<std::string, TTerm, std::less<>> assigned;
    const auto pop = [&stack] {
        if (stack.empty())
            throw EFonksiyonError(Localized("Eksik işlenen"));
        TEntry e = std::move(stack.back());
        stack.pop_back();
        return e;
    };
    for (int i = 0; i < postfix.Count(); ++i) {
        const TExpressionElement& e = postfix[i];
        switch (e.Kind) {
        case ekNumber:
            stack.push_back({ NumberTerm(e.Value), {} });
            break;
        case ekConstant:
            stack.push_back({ constantTerm(e.Code), {} });
            break;
        case ekVariable: {
            const auto it = assigned.find(e.Name);
            stack.push_back({ it != assigned.end() ? it->second : VariableTerm(e.Name), e.Name });
            break;
        }
        case ekFunction:
            stack.push_back({ node(ekFunction, e.Code, pop().Term), {} });
            break;
        case ekOperator:
            if (e.Code == opNot) {
                stack.push_back({ NotTerm(pop().Term), {} });
            } else if (e.Code == opAssign) {
                TEntry value = pop();
                const TEntry target = pop();
                if (!target.Name.empty())
                    assigned[target.Name] = value.Term;
                stack.push_back({ value.Term, target.Name });
            } else {
                TTerm right = pop().Term;
                TTerm left = pop().Term;
                stack.push_back(
                    { node(ekOperator, e.Code, std::move(left), std::move(right)), {} });
            }
            break;
        }
    }
    if (stack.size() != 1)
        throw EFonksiyonError(Localized("Eksik işlenen"));
    return stack.back().Term;
}

void AppendPostfix(const TTerm& term, TExpressionArray& out)
{
    switch (term->Kind) {
    case ekNumber:
        out.Add(TExpressionElement::Number(term->Value));
        return;
    case ekConstant:
        out.Add(TExpressionElement::Constant(term->Code));
        return;
    case ekVariable:
        out.Add(TExpressionElement::Variable(term->Name));
        return;
    case ekFunction:
        AppendPostfix(term->Left, out);
        out.Add(TExpressionElement::Function(term->Code));
        return;
    case ekOperator:
        AppendPostfix(term->Left, out);
        if (term->Right)
            AppendPostfix(term->Right, out);
        out.Add(TExpressionElement::Operator(term->Code));
        return;
    }
}

std::string InfixText(const TTerm& term) { return text(term, true); }
