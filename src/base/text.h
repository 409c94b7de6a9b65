#pragma once

#include <string>
#include <string_view>

// Lower-cases the ASCII letters A-Z only; every other byte (UTF-8 included)
// stays as it is, so no locale can turn "I" into a dotless i.
std::string AsciiLower(std::string_view text);

// Compares two texts letter by letter without regard to ASCII letter case:
// negative, zero or positive as a is before, equal to or after b.
inline int CompareTextNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = static_cast<unsigned char>(a[i]);
        unsigned char y = static_cast<unsigned char>(b[i]);
        if (x != y) {
            x = (x >= 'A' && x <= 'Z') ? x + 32 : x;
            y = (y >= 'A' && y <= 'Z') ? y + 32 : y;
            if (x != y)
                return x < y ? -1 : 1;
        }
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
