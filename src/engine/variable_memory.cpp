#include "engine/variable_memory.h"

#include "base/growth.h"
#include "base/text.h"

#include <algorithm>

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

void TVariableMemory::AddMissing(std::vector<std::string_view> names)
{
    const auto before
        = [](std::string_view a, std::string_view b) { return CompareTextNoCase(a, b) < 0; };
    // Stable, so that of two spellings of one name the first given is kept.
    std::stable_sort(names.begin(), names.end(), before);
    names.erase(
        std::unique(names.begin(), names.end(),
            [](std::string_view a, std::string_view b) { return CompareTextNoCase(a, b) == 0; }),
        names.end());
    int ignored = 0;
    std::erase_if(names, [&](std::string_view name) { return Find(name, ignored); });
    if (names.empty())
        return;
    const int count = Count() + static_cast<int>(names.size());
    while (FCapacity < count)
        FCapacity = GrownCapacity(FCapacity);
    std::vector<TVariableItem> merged;
    merged.reserve(static_cast<std::size_t>(FCapacity));
    auto old = FItems.begin();
    for (std::string_view name : names) {
        while (old != FItems.end() && before(old->Name, name))
            merged.push_back(std::move(*old++));
        merged.push_back(TVariableItem { std::string(name), 0 });
    }
    std::move(old, FItems.end(), std::back_inserter(merged));
    FItems = std::move(merged);
    ++FGeneration;
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
