#include "base/message.h"

#include <cstdio>

std::string FormatText(std::string_view format, std::string_view argument)
{
    std::string result;
    result.reserve(format.size() + argument.size());
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] == '%' && i + 1 < format.size()
            && (format[i + 1] == 's' || format[i + 1] == 'd')) {
            result.append(format.substr(0, i));
            result.append(argument);
            result.append(format.substr(i + 2));
            return result;
        }
    }
    return std::string(format);
}

std::string FormatText(std::string_view format, long long argument)
{
    return FormatText(format, std::to_string(argument));
}

namespace {
constexpr std::size_t MaxShownCharacters = 60;

// The length of the UTF-8 sequence that starts at text[i], or 0 when the bytes
// there are not one (a stray continuation byte, a cut or overlong sequence).
std::size_t sequenceLength(std::string_view text, std::size_t i)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    if (lead < 0x80)
        return 1;
    if (lead >= 0xc2 && lead <= 0xdf)
        length = 2;
    else if (lead >= 0xe0 && lead <= 0xef)
        length = 3;
    else if (lead >= 0xf0 && lead <= 0xf4)
        length = 4;
    else
        return 0;
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((byte(i + k) & 0xc0) != 0x80)
            return 0;
    const unsigned char second = byte(i + 1);
    if ((lead == 0xe0 && second < 0xa0) || (lead == 0xed && second > 0x9f)
        || (lead == 0xf0 && second < 0x90) || (lead == 0xf4 && second > 0x8f))
        return 0; // overlong, a surrogate, or beyond U+10FFFF
    return length;
}

void appendCode(std::string& shown, unsigned code)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "\\x%02x", code);
    shown += buffer;
}
}

std::string ShownText(std::string_view text)
{
    std::string shown;
    std::size_t i = 0;
    for (std::size_t characters = 0; i < text.size(); ++characters) {
        if (characters == MaxShownCharacters) {
            shown += "…";
            break;
        }
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = sequenceLength(text, i);
        if (length == 0 || lead < 0x20 || lead == 0x7f) {
            appendCode(shown, lead);
            ++i;
        } else if (lead == 0xc2 && static_cast<unsigned char>(text[i + 1]) < 0xa0) {
            appendCode(shown, static_cast<unsigned char>(text[i + 1])); // C1: U+0080..U+009F
            i += 2;
        } else {
            shown.append(text.substr(i, length));
            i += length;
        }
    }
    return shown;
}
