#include "engine/variable_memory.h"

#include "base/growth.h"
#include "base/text.h"

bool TVariableMemory::Find(std::string_view name, int& index) const { return Locate(name, index); }

int TVariableMemory::IndexOf(std::string_view name) const
{
    int index = 0;
    return Locate(name, index) ? index : -1;
}

int TVariableMemory::Add(std::string_view name)
{
    int index = 0;
    if (Find(name, index))
        throw EVariableMemoryError("String list does not allow duplicates");
    if (Count() == FCapacity) {
        FCapacity = GrownCapacity(FCapacity);
        FItems.reserve(static_cast<std::size_t>(FCapacity));
    }
    FItems.insert(FItems.begin() + index, TVariableItem { std::string(name), 0 });
    ++FGeneration;
    return index;
}

long double TVariableMemory::GetValue(std::string_view name) const
{
    int index = 0;
    return Locate(name, index) ? FItems[static_cast<std::size_t>(index)].Value : 0;
}

void TVariableMemory::Clear()
{
    std::vector<TVariableItem>().swap(FItems);
    FCapacity = 0;
    ++FGeneration;
}

long double* TVariableMemory::ValueSlot(std::string_view name)
{
    int index = 0;
    return Locate(name, index) ? &FItems[static_cast<std::size_t>(index)].Value : nullptr;
}
