#pragma once

#include <string>
#include <string_view>
#include <vector>

// Cuts a formula text into tokens: runs of characters between delimiters
// (lower-cased, ASCII letters only) and operator tokens of one or two characters.
std::vector<std::string> Tokenize(std::string_view text);

// The second pass: a sign after an operator that does not end an operand is
// glued onto the number behind it, and a mantissa with an empty exponent ("2e")
// takes the sign and digits that follow ("2e", "-", "3" -> "2e-3").
std::vector<std::string> GlueSigns(std::vector<std::string> tokens);
