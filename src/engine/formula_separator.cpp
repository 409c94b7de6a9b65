#include "engine/formula_separator.h"

#include "base/number_text.h"
#include "engine/vocabulary.h"

namespace {
bool isDelimiter(char c)
{
    return c == ' ' || c == '\n' || c == '\r'
        || OperatorCharacters.find(c) != std::string_view::npos;
}

// A run whose every character of the other separator becomes the current one, when
// the result reads as a number under the current separator and the run did not. A
// run without a digit is never a number written elsewhere (a lone "," stays unknown).
bool convertRun(std::string& run, char separator)
{
    const char other = separator == ',' ? '.' : ',';
    if (run.find(other) == std::string::npos
        || run.find_first_of("0123456789") == std::string::npos)
        return false;
    long double value;
    if (TryTextToFloat(run, value))
        return false;
    std::string converted = run;
    for (char& c : converted)
        if (c == other)
            c = separator;
    if (!TryTextToFloat(converted, value))
        return false;
    run = std::move(converted);
    return true;
}
}

namespace {
// The formula with each run between delimiters passed through convert; the
// delimiters are kept byte for byte.
template <typename Convert> std::string mapRuns(std::string_view formula, Convert convert)
{
    std::string result;
    result.reserve(formula.size());
    std::size_t i = 0;
    while (i < formula.size()) {
        if (isDelimiter(formula[i])) {
            result += formula[i++];
            continue;
        }
        const std::size_t start = i;
        while (i < formula.size() && !isDelimiter(formula[i]))
            ++i;
        std::string run(formula.substr(start, i - start));
        convert(run);
        result += run;
    }
    return result;
}
}

std::string WithCurrentDecimalSeparator(std::string_view formula)
{
    const char separator = DecimalSeparator();
    return mapRuns(formula, [separator](std::string& run) { convertRun(run, separator); });
}

std::string WithDecimalPoint(std::string_view formula)
{
    const char separator = DecimalSeparator();
    if (separator == '.')
        return std::string(formula);
    return mapRuns(formula, [separator](std::string& run) {
        long double value;
        if (run.find_first_of("0123456789") != std::string::npos && TryTextToFloat(run, value))
            for (char& c : run)
                if (c == separator)
                    c = '.';
    });
}
