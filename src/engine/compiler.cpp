#include "engine/compiler.h"

#include "base/catalogue.h"
#include "base/message.h"
#include "base/number_text.h"
#include "engine/fonksiyon_error.h"
#include "engine/operator_stack.h"
#include "engine/variable_memory.h"
#include "engine/vocabulary.h"

namespace {
constexpr const char* UnknownMessage = "Bilinmeyen bir ifade => %s";
constexpr const char* SyntaxMessage = "(Sintax Error)İmla hatası => %s";
constexpr const char* NotOpenedMessage = "Açılmamış parantez mevcut %s";
constexpr const char* NotClosedMessage = "Kapatılmamış parantez mevcut %s";
constexpr const char* UnbalancedMessage = "Parantezler dengeli değil. %s";
constexpr int MaxPendingFunctions = 20;

[[noreturn]] void syntaxError(const std::string& detail)
{
    throw EFonksiyonError(FormatText(Localized(SyntaxMessage), detail));
}

// The element's operator code, or -1 when it is no operator.
int operatorCode(const TExpressionElement& e) { return e.Kind == ekOperator ? e.Code : -1; }
bool isOpener(const TExpressionElement& e) { return IsOpener(operatorCode(e)); }
bool isCloser(const TExpressionElement& e) { return IsCloser(operatorCode(e)); }

bool isInfix(const TExpressionElement& e)
{
    return e.Kind == ekOperator && e.Code >= opPower && e.Code != opNot;
}

std::string symbol(const TExpressionElement& e)
{
    return std::string(OperatorTable[e.Code].Symbol);
}

std::string functionMessage(const TExpressionElement& f)
{
    return FormatArguments(
        Localized("%1 fonksiyonundan sonra sonra yanlızca \"(\",\"[\", operatorleri gelmelidir."),
        { FunctionTable[f.Code] });
}

void checkNeighbours(const TExpressionArray& elements)
{
    for (int i = 0; i + 1 < elements.Count(); ++i) {
        const TExpressionElement& current = elements[i];
        const TExpressionElement& next = elements[i + 1];
        const bool nextIsOperator = next.Kind == ekOperator;
        const bool nextOpensOrAssigns = isOpener(next) || next.IsOperator(opAssign);
        switch (current.Kind) {
        case ekVariable:
        case ekNumber:
        case ekConstant: {
            // An operand is followed by an operator, never by an opener; a value
            // (a number or a constant) not by `=` either.
            const bool variable = current.Kind == ekVariable;
            const std::string name = ElementText(current);
            if (!nextIsOperator)
                syntaxError(FormatArguments(
                    Localized(variable ? "%1 değişkeninden sonra mutlaka bir operator gelmelidir"
                            : current.Kind == ekNumber
                            ? "%1 sayısından sonra mutlaka bir operator gelmelidir"
                            : "%1 sabitinden sonra mutlaka bir operator gelmelidir"),
                    { name }));
            if (variable ? isOpener(next) : nextOpensOrAssigns)
                syntaxError(FormatArguments(
                    Localized(variable ? "%1 değişkeninden sonra%2 operand ı gelmiş"
                            : current.Kind == ekNumber ? "%1 sayısından sonra%2 operand ı gelmiş"
                                                       : "%1 sabitinden sonra%2operand ı gelmiş"),
                    { name, symbol(next) }));
            break;
        }
        case ekFunction:
            if (!next.IsOperator(opOpenRound) && !next.IsOperator(opOpenSquare))
                syntaxError(functionMessage(current));
            break;
        case ekOperator:
            break;
        }
    }
}

void checkBrackets(const TExpressionArray& elements)
{
    TOperatorStack openers;
    for (int i = 0; i < elements.Count(); ++i) {
        const TExpressionElement& e = elements[i];
        if (isOpener(e)) {
            openers.Push(e.Code);
        } else if (isCloser(e)) {
            std::uint8_t opener = 0;
            if (!openers.Pop(opener))
                throw EFonksiyonError(FormatText(Localized(NotOpenedMessage), ""));
            if (opener + 1 != e.Code)
                throw EFonksiyonError(FormatText(Localized(UnbalancedMessage),
                    FormatArguments(Localized("%1 ile açılan parantez %2 ile kapatılmiş"),
                        { OperatorTable[opener].Symbol, symbol(e) })));
        }
    }
    if (!openers.IsEmpty())
        throw EFonksiyonError(FormatText(Localized(NotClosedMessage), ""));
}

// Every infix operator has an operand on each side, `!` one before it, `not`
// and a function one after it, and no two operands stand side by side. This
// runs after the other checks, so formulas they reject keep their messages.
void checkOperands(const TExpressionArray& elements)
{
    bool expectOperand = true;
    const TExpressionElement* previous = nullptr;
    for (int i = 0; i < elements.Count(); ++i) {
        const TExpressionElement& e = elements[i];
        const bool operand = e.Kind == ekNumber || e.Kind == ekVariable || e.Kind == ekConstant;
        const bool opensOperand
            = operand || e.Kind == ekFunction || isOpener(e) || e.IsOperator(opNot);
        if (expectOperand) {
            if (operand) {
                expectOperand = false;
            } else if (!opensOperand) {
                // A closer, `!` or infix operator where an operand should stand.
                if (previous == nullptr || (isOpener(*previous) && !isCloser(e)))
                    syntaxError(FormatArguments(
                        Localized("%1 operatorunden önce bir operand gelmelidir"), { symbol(e) }));
                syntaxError(
                    FormatArguments(Localized("%1 operatorunden sonra bir operand gelmelidir"),
                        { symbol(*previous) }));
            }
        } else if (isInfix(e)) {
            expectOperand = true;
        } else if (e.IsOperator(opNot)) {
            syntaxError(Localized("not operatorunden önce bir operator gelmelidir"));
        } else if (opensOperand) {
            syntaxError(
                FormatArguments(Localized("%1 operatorunden sonra mutlaka bir operator gelmelidir"),
                    { symbol(*previous) }));
        }
        previous = &e;
    }
    if (expectOperand && previous != nullptr) {
        if (previous->Kind == ekFunction)
            syntaxError(functionMessage(*previous));
        syntaxError(FormatArguments(
            Localized("%1 operatorunden sonra bir operand gelmelidir"), { symbol(*previous) }));
    }
}
}

TExpressionArray Classify(const std::vector<std::string>& tokens)
{
    TExpressionArray elements;
    for (const std::string& token : tokens) {
        if (const int op = FindOperator(token); op >= 0) {
            elements.Add(TExpressionElement::Operator(static_cast<std::uint8_t>(op)));
        } else if (const int fn = FindFunction(token); fn >= 0) {
            elements.Add(TExpressionElement::Function(static_cast<std::uint8_t>(fn)));
        } else if (long double value = 0; TryTextToFloat(token, value)) {
            elements.Add(TExpressionElement::Number(value));
        } else if (const int constant = FindConstant(token); constant >= 0) {
            elements.Add(TExpressionElement::Constant(static_cast<std::uint8_t>(constant)));
        } else if (IsVariableName(token)) {
            elements.Add(TExpressionElement::Variable(token.substr(0, MaxNameLength)));
        } else {
            throw EFonksiyonError(FormatText(Localized(UnknownMessage), ShownText(token)), token);
        }
    }
    return elements;
}

TExpressionArray ResolveSigns(const TExpressionArray& elements)
{
    TExpressionArray result;
    // Bracket depths at which a `]` is owed: a negated function owes it after
    // the bracket of its argument, a negated bracket after its own closer.
    std::vector<int> owed;
    int depth = 0;
    const auto negationStart = [&result] {
        result.Add(TExpressionElement::Operator(opOpenSquare));
        result.Add(TExpressionElement::Number(0));
        result.Add(TExpressionElement::Operator(opSubtract));
    };
    for (int i = 0; i < elements.Count(); ++i) {
        const TExpressionElement& e = elements[i];
        const bool unary
            = IsSign(operatorCode(e)) && (i == 0 || OpensOperand(operatorCode(elements[i - 1])));
        const TExpressionElement* next = i + 1 < elements.Count() ? &elements[i + 1] : nullptr;
        if (unary && next != nullptr) {
            const bool negative = e.Code == opSubtract;
            if (next->Kind == ekFunction || next->Kind == ekVariable || next->Kind == ekConstant) {
                if (!negative)
                    continue; // the next element is copied on its own turn
                if (next->Kind == ekVariable) {
                    negationStart();
                    result.Add(*next);
                    result.Add(TExpressionElement::Operator(opCloseSquare));
                } else if (next->Kind == ekConstant) {
                    result.Add(
                        TExpressionElement::Constant(next->Code == cnE ? cnMinusE : cnMinusPi));
                } else {
                    negationStart();
                    result.Add(*next);
                    owed.push_back(depth);
                }
                ++i;
                continue;
            }
            if (isOpener(*next)) {
                // -(x+1) is [ 0 - ( x + 1 ) ]; +(x+1) is ( x + 1 ).
                if (negative) {
                    negationStart();
                    owed.push_back(depth);
                }
                continue;
            }
        }
        result.Add(e);
        if (isOpener(e)) {
            ++depth;
        } else if (isCloser(e)) {
            --depth;
            while (!owed.empty() && owed.back() == depth) {
                result.Add(TExpressionElement::Operator(opCloseSquare));
                owed.pop_back();
            }
        }
    }
    for (std::size_t k = 0; k < owed.size(); ++k)
        result.Add(TExpressionElement::Operator(opCloseSquare));
    return result;
}

void CheckSyntax(const TExpressionArray& elements)
{
    checkNeighbours(elements);
    checkBrackets(elements);
    checkOperands(elements);
}

void ToPostfix(const TExpressionArray& elements, TExpressionArray& postfix, TVariableMemory* memory)
{
    struct TPending {
        std::uint8_t Code;
        int Depth;
    };
    TPending pending[MaxPendingFunctions];
    int pendingCount = 0;
    TOperatorStack stack;
    // Registered in one merge at the end: one sorted insert per name would take
    // time quadratic in the number of distinct names.
    std::vector<std::string_view> names;
    int depth = 0;
    std::uint8_t code = 0;
    for (int i = 0; i < elements.Count(); ++i) {
        const TExpressionElement& e = elements[i];
        switch (e.Kind) {
        case ekOperator:
            if (e.Code == opOpenRound || e.Code == opOpenSquare) {
                stack.Push(e.Code);
                ++depth;
            } else if (e.Code == opCloseRound || e.Code == opCloseSquare) {
                const std::uint8_t opener = e.Code - 1;
                while (stack.Pop(code) && code != opener)
                    postfix.Add(TExpressionElement::Operator(code));
                --depth;
                if (pendingCount > 0 && pending[pendingCount - 1].Depth == depth) {
                    postfix.Add(TExpressionElement::Function(pending[pendingCount - 1].Code));
                    --pendingCount;
                }
            } else if (e.Code == opOpenAbs) {
                stack.Push(opOpenSquare);
            } else if (e.Code == opCloseAbs) {
                while (stack.Pop(code) && code != opOpenSquare)
                    postfix.Add(TExpressionElement::Operator(code));
                postfix.Add(TExpressionElement::Function(fnAbs));
            } else if (e.Code == opFactorial) {
                postfix.Add(TExpressionElement::Function(fnFact));
            } else if (e.Code == opNot) {
                // A prefix operator: its operand is still to come, so nothing
                // before it can be written yet.
                stack.Push(opNot);
            } else {
                const std::uint8_t rank = Precedence(e.Code);
                while (stack.Pop(code)) {
                    if (code != opOpenRound && Precedence(code) >= rank) {
                        postfix.Add(TExpressionElement::Operator(code));
                    } else {
                        stack.Push(code);
                        break;
                    }
                }
                stack.Push(e.Code);
            }
            break;
        case ekFunction:
            if (pendingCount == MaxPendingFunctions)
                syntaxError(FormatArguments(
                    Localized("%1 fonksiyonu ile iç içe 20'den fazla fonksiyon kullanılamaz"),
                    { FunctionTable[e.Code] }));
            pending[pendingCount++] = { e.Code, depth };
            break;
        case ekNumber:
        case ekConstant:
            postfix.Add(e);
            break;
        case ekVariable:
            postfix.Add(e);
            names.push_back(e.Name);
            break;
        }
    }
    while (stack.Pop(code))
        postfix.Add(TExpressionElement::Operator(code));
    if (memory != nullptr)
        memory->AddMissing(std::move(names));
}

std::string ElementText(const TExpressionElement& element)
{
    switch (element.Kind) {
    case ekOperator:
        return std::string(OperatorTable[element.Code].Symbol);
    case ekFunction:
        return std::string(FunctionTable[element.Code]);
    case ekNumber:
        return FloatToText(element.Value);
    case ekVariable:
        return element.Name;
    case ekConstant:
        return std::string(ConstantTable[element.Code].Spelling);
    }
    return {};
}
