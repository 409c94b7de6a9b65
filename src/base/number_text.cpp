#include "base/number_text.h"

#include "base/exception.h"
#include "base/message.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace {
char gSeparator = '.';

bool isDigit(char c) { return c >= '0' && c <= '9'; }
}

char DecimalSeparator() { return gSeparator; }

void SetDecimalSeparator(char separator) { gSeparator = separator; }

bool TryTextToFloat(std::string_view text, long double& value)
{
    std::size_t i = 0;
    const std::size_t n = text.size();
    bool negative = false;
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < n && isDigit(text[i]))
        ++i;
    std::string_view intDigits = text.substr(intStart, i - intStart);
    std::string_view fracDigits;
    bool hasSeparator = false;
    if (i < n && text[i] == gSeparator) {
        hasSeparator = true;
        const std::size_t fracStart = ++i;
        while (i < n && isDigit(text[i]))
            ++i;
        fracDigits = text.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty() && !hasSeparator)
        return false;
    bool negativeExponent = false;
    std::string_view expDigits;
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        while (i < n && isDigit(text[i]))
            ++i;
        expDigits = text.substr(expStart, i - expStart);
    }
    if (i != n)
        return false;

    // Rewritten in the one form std::from_chars reads, whatever the separator.
    std::string normal;
    normal.reserve(n + 4);
    normal.append(intDigits.empty() ? std::string_view("0") : intDigits);
    normal.push_back('.');
    normal.append(fracDigits.empty() ? std::string_view("0") : fracDigits);
    if (!expDigits.empty()) {
        normal.push_back('e');
        if (negativeExponent)
            normal.push_back('-');
        normal.append(expDigits);
    }
    long double result = 0;
    const auto [end, error] = std::from_chars(normal.data(), normal.data() + normal.size(), result);
    if (error == std::errc::result_out_of_range) {
        if (!negativeExponent)
            return false;
        result = 0; // below the smallest extended value
    } else if (error != std::errc() || end != normal.data() + normal.size()) {
        return false;
    }
    value = negative ? -result : result;
    return true;
}

long double TextToFloat(std::string_view text)
{
    std::string_view trimmed = text;
    while (!trimmed.empty() && trimmed.front() == ' ')
        trimmed.remove_prefix(1);
    while (!trimmed.empty() && trimmed.back() == ' ')
        trimmed.remove_suffix(1);
    long double value = 0;
    if (!TryTextToFloat(trimmed, value))
        throw EConvertError(FormatText("'%s' is not a valid floating point value", ShownText(text)));
    return value;
}

std::string FloatToText(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";

    // 15 significant digits, rounded once: "d.dddddddddddddde+xx".
    char buffer[64];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14);
    std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    std::string out;
    if (text.front() == '-') {
        out.push_back('-');
        text.remove_prefix(1);
    }
    const std::size_t ePos = text.find('e');
    std::string digits;
    digits.push_back(text[0]);
    digits.append(text.substr(2, ePos - 2));
    const int exponent = std::atoi(std::string(text.substr(ePos + 1)).c_str());
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    if (exponent < -5 || exponent >= 15) {
        out.push_back(digits[0]);
        if (digits.size() > 1) {
            out.push_back(gSeparator);
            out.append(digits, 1, std::string::npos);
        }
        out.push_back('E');
        out.append(std::to_string(exponent));
        return out;
    }
    if (exponent < 0) {
        out.append("0");
        out.push_back(gSeparator);
        out.append(static_cast<std::size_t>(-exponent - 1), '0');
        out.append(digits);
        return out;
    }
    const std::size_t intCount = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= intCount) {
        out.append(digits);
        out.append(intCount - digits.size(), '0');
    } else {
        out.append(digits, 0, intCount);
        out.push_back(gSeparator);
        out.append(digits, intCount, std::string::npos);
    }
    return out;
}

bool TryTextToInt(std::string_view text, long long& value)
{
    if (text.empty())
        return false;
    std::size_t start = 0;
    if (text[0] == '+')
        start = 1;
    if (start == text.size())
        return false;
    long long result = 0;
    const char* first = text.data() + start;
    const char* last = text.data() + text.size();
    if (start == 0 && text[0] == '-' && text.size() == 1)
        return false;
    const auto [end, error] = std::from_chars(first, last, result);
    if (error != std::errc() || end != last)
        return false;
    value = result;
    return true;
}
