#pragma once

#include <string>
#include <string_view>

// Lower-cases the ASCII letters A-Z only; every other byte (UTF-8 included)
// stays as it is, so no locale can turn "I" into a dotless i.
std::string AsciiLower(std::string_view text);

// Compares two texts letter by letter without regard to ASCII letter case:
// negative, zero or positive as a is before, equal to or after b.
int CompareTextNoCase(std::string_view a, std::string_view b);
