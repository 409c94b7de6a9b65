#pragma once

#include <string>
#include <string_view>

// Numbers are read and printed with one process-wide decimal separator: the
// user's (a comma under Turkish settings), set once at start, and by tests.
// Nothing here reads the C library's locale.
char DecimalSeparator();
void SetDecimalSeparator(char separator);

// The number syntax of formulas and number fields: an optional sign, digits,
// optionally the decimal separator and more digits, optionally "e" (or "E")
// with an optional sign and zero or more digits (an empty exponent is 0). The
// mantissa needs a digit or the separator. A value beyond the extended range
// does not read; one below it reads as 0.
bool TryTextToFloat(std::string_view text, long double& value);

// As TryTextToFloat, blanks around the number allowed; raises EConvertError
// "'%s' is not a valid floating point value" otherwise.
long double TextToFloat(std::string_view text);

// The general form with 15 significant digits: trailing zeros dropped, fixed
// notation from 1E-5 up to 15 integer digits, else "d.dddE[-]x"; "NAN", "INF".
std::string FloatToText(long double value);

// A whole number in the signed 64-bit range, optional sign, decimal digits only.
bool TryTextToInt(std::string_view text, long long& value);
