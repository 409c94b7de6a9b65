#pragma once

#include "engine/expression_array.h"

#include <string>
#include <vector>

class TVariableMemory;

// The steps that turn a token list into the postfix form. Each raises
// EFonksiyonError with the message the user sees; nothing is kept between calls.

// Recognises each token: operator (symbol, then word form), function, number,
// constant, variable name (cut to 50 characters); else "Bilinmeyen bir ifade".
TExpressionArray Classify(const std::vector<std::string>& tokens);

// Unary signs before functions, variables, constants and brackets.
TExpressionArray ResolveSigns(const TExpressionArray& elements);

// Neighbour checks, the bracket check, then the check that every operator has
// its operands.
void CheckSyntax(const TExpressionArray& elements);

// Shunting to postfix; every variable written is registered in memory (if any).
void ToPostfix(
    const TExpressionArray& elements, TExpressionArray& postfix, TVariableMemory* memory);

// An element as the postfix text shows it: symbols, names, numbers in the
// general form, constants "e", "pi", "-e", "-pi".
std::string ElementText(const TExpressionElement& element);
