#include "engine/tokenizer.h"

#include "base/number_text.h"
#include "base/text.h"
#include "engine/vocabulary.h"

namespace {
bool isBlank(char c) { return c == ' ' || c == '\n' || c == '\r'; }
bool isOperatorCharacter(char c) { return OperatorCharacters.find(c) != std::string_view::npos; }

bool readsAsNumber(std::string_view token)
{
    long double ignored;
    return TryTextToFloat(token, ignored);
}

bool allDigits(std::string_view token)
{
    if (token.empty())
        return false;
    for (char c : token)
        if (c < '0' || c > '9')
            return false;
    return true;
}
}

std::vector<std::string> Tokenize(std::string_view text)
{
    std::vector<std::string> tokens;
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && isBlank(text[i]))
            ++i;
        const std::size_t start = i;
        while (i < n && !isBlank(text[i]) && !isOperatorCharacter(text[i]))
            ++i;
        if (i > start)
            tokens.push_back(AsciiLower(text.substr(start, i - start)));
        if (i < n && isOperatorCharacter(text[i])) {
            const char c = text[i];
            const char next = i + 1 < n ? text[i + 1] : '\0';
            const bool pair = ((c == '!' || c == '<' || c == '=' || c == '>') && next == '=')
                || (c == '[' && next == '|') || (c == '|' && next == ']');
            tokens.emplace_back(text.substr(i, pair ? 2 : 1));
            i += pair ? 2 : 1;
        }
    }
    return tokens;
}

std::vector<std::string> GlueSigns(std::vector<std::string> pending)
{
    std::vector<std::string> result;
    result.reserve(pending.size());
    std::string previous = "+"; // the start reads as after an operator
    for (std::size_t i = 0; i < pending.size(); ++i) {
        std::string t = std::move(pending[i]); // only tokens ahead are read again
        if ((t == "+" || t == "-") && OpensOperand(FindOperator(previous)) && i + 1 < pending.size()
            && readsAsNumber(pending[i + 1])) {
            if (t == "-")
                pending[i + 1] = '-' + pending[i + 1];
        } else if (readsAsNumber(t) && t.back() == 'e' && i + 2 < pending.size()
            && (pending[i + 1] == "+" || pending[i + 1] == "-") && allDigits(pending[i + 2])) {
            result.push_back(t + pending[i + 1] + pending[i + 2]);
            i += 2;
        } else {
            result.push_back(t);
        }
        previous = std::move(t);
    }
    return result;
}
