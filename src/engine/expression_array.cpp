#include "engine/expression_array.h"

#include "base/growth.h"
#include "base/message.h"

int TExpressionArray::Add(const TExpressionElement& element)
{
    if (FCount == FCapacity) {
        FCapacity = GrownCapacity(FCapacity);
        FItems.reserve(static_cast<std::size_t>(FCapacity));
    }
    FItems.push_back(element);
    return FCount++;
}

TExpressionElement TExpressionArray::Get(int index) const
{
    if (index < 0 || index >= FCount)
        throw EExpressionArrayError(FormatText("List index out of bounds (%d)", index));
    return FItems[static_cast<std::size_t>(index)];
}

void TExpressionArray::Clear()
{
    if (FCount == 0)
        return;
    std::vector<TExpressionElement>().swap(FItems);
    FCount = 0;
    FCapacity = 0;
}
