#include "engine/vocabulary.h"

#include "base/text.h"

#include <algorithm>

int FindOperator(std::string_view token)
{
    for (std::size_t i = 0; i < OperatorTable.size(); ++i)
        if (OperatorTable[i].Symbol == token)
            return static_cast<int>(i);
    for (const TWordOperator& word : WordOperatorTable)
        if (word.Word == token)
            return word.Code;
    return -1;
}

int FindFunction(std::string_view token)
{
    const auto it = std::lower_bound(FunctionTable.begin(), FunctionTable.end(), token,
        [](std::string_view a, std::string_view b) { return CompareTextNoCase(a, b) < 0; });
    if (it != FunctionTable.end() && CompareTextNoCase(*it, token) == 0)
        return static_cast<int>(it - FunctionTable.begin());
    return -1;
}

int FindConstant(std::string_view token)
{
    if (token == "e")
        return cnE;
    if (token == "pi")
        return cnPi;
    return -1;
}

bool IsVariableName(std::string_view token)
{
    if (token.empty() || token[0] < 'a' || token[0] > 'z')
        return false;
    return std::all_of(token.begin() + 1, token.end(),
        [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'; });
}
