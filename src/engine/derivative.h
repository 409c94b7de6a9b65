#pragma once

#include "engine/term.h"

#include <string_view>
#include <vector>

// The derivative of a formula's tree with respect to one variable (letter case
// ignored), by a rule for every operator and function of the language, folded
// and simplified as it is built.
//
// Where an operation has no derivative at a point (abs, sgn, the comparisons,
// the integer operators, fact) the derivative takes the value of one side
// (sgn(0) is -1, so abs turns as its left side does) and the point is a break.
// Breaks lists one formula per such operation whose operand depends on the
// variable: a formula that stays constant between breaks and changes its value
// at each, so that a search finds a break where one of them changes.
struct TDerivative {
    TTerm Value;
    std::vector<TTerm> Breaks;
};

TDerivative Differentiate(const TTerm& term, std::string_view variable);
