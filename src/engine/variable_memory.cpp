#include "engine/variable_memory.h"

#include "base/growth.h"
#include "base/text.h"

bool TVariableMemory::Find(std::string_view name, int& index) const
{
    int low = 0;
    int high = Count() - 1;
    while (low <= high) {
        const int middle = (low + high) / 2;
        const int order = CompareTextNoCase(FItems[static_cast<std::size_t>(middle)].Name, name);
        if (order == 0) {
            index = middle;
            return true;
        }
        if (order < 0)
            low = middle + 1;
        else
            high = middle - 1;
    }
    index = low;
    return false;
}

int TVariableMemory::IndexOf(std::string_view name) const
{
    int index = 0;
    return Find(name, index) ? index : -1;
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
    return Find(name, index) ? FItems[static_cast<std::size_t>(index)].Value : 0;
}

void TVariableMemory::SetValue(std::string_view name, long double value)
{
    int index = 0;
    if (Find(name, index))
        FItems[static_cast<std::size_t>(index)].Value = value;
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
    return Find(name, index) ? &FItems[static_cast<std::size_t>(index)].Value : nullptr;
}
