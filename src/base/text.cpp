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
