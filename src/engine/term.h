#pragma once

#include "engine/expression_array.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// A formula as a tree of operations, for the work that needs its shape rather
// than its run: derivatives and the infix text. Nodes are shared and never
// change; the builders fold operations on numbers and drop neutral ones, so that
// a derivative reads as a person would write it.
struct TTermNode;
using TTerm = std::shared_ptr<const TTermNode>;

struct TTermNode {
    TElementKind Kind = ekNumber; // never ekOperator opAssign: assignments are read through
    std::uint8_t Code = 0; // operator, function or constant code
    long double Value = 0; // a number's value
    std::string Name; // a variable's name, lower case
    TTerm Left; // the operand of a function or of `not`; the left one of an infix operator
    TTerm Right; // the right operand of an infix operator
};

// The tree of a postfix sequence that compiled. An assignment stands for the
// value it assigns, and a variable read after it in the same formula for that
// value's tree, so the tree computes what the sequence computes without writing.
// Raises EFonksiyonError for a sequence that is not well formed.
TTerm TermOf(const TExpressionArray& postfix);

// The postfix sequence of a tree, appended to out.
void AppendPostfix(const TTerm& term, TExpressionArray& out);

// The tree as formula text that compiles back to the very same postfix
// sequence: the fewest brackets the precedences allow, a negation written as a
// sign, the word forms of div and mod, numbers in the general form (longer
// where 15 digits would not read back as the same value).
std::string InfixText(const TTerm& term);

// Leaves and builders. Number folds nothing; Apply and Combine compute an
// operation on numbers at once when it succeeds and its result reads back from
// its text exactly, and drop neutral operands (x+0, 1*x, x^1, 0*x ...).
TTerm NumberTerm(long double value);
TTerm VariableTerm(const std::string& name);
TTerm Apply(std::uint8_t function, const TTerm& operand);
TTerm Combine(std::uint8_t operatorCode, const TTerm& left, const TTerm& right);
TTerm Negate(const TTerm& term); // 0 - term, folded
TTerm NotTerm(const TTerm& term);

bool IsNumber(const TTerm& term, long double value);
bool IsNumber(const TTerm& term);
// Whether the variable (letter case ignored) occurs in the tree.
bool Uses(const TTerm& term, std::string_view variable);
