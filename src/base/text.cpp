#include "base/text.h"

namespace {
inline unsigned char lowerByte(unsigned char c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }
}

std::string AsciiLower(std::string_view text)
{
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(lowerByte(static_cast<unsigned char>(c)));
    return result;
}

int CompareTextNoCase(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char x = lowerByte(static_cast<unsigned char>(a[i]));
        const unsigned char y = lowerByte(static_cast<unsigned char>(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}
