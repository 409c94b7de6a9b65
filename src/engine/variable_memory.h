#pragma once

#include "base/exception.h"
#include "base/text.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TVariableItem {
    std::string Name;
    long double Value = 0;
};

class EVariableMemoryError : public Exception {
public:
    using Exception::Exception;
};

// The variable table that formulas read and write: sorted by name, compared
// without regard to letter case, no two equal names. Owned by its creator (the
// curve list or the calculator) and shared by several formulas.
class TVariableMemory {
public:
    virtual ~TVariableMemory() = default;

    // Binary search: whether the name is present; index is its position or the
    // position where it would be inserted.
    virtual bool Find(std::string_view name, int& index) const;
    int IndexOf(std::string_view name) const;
    // Raises EVariableMemoryError "String list does not allow duplicates".
    int Add(std::string_view name);
    // Adds every one of names that is not present yet (value 0) in one merge,
    // leaving the table and its capacity as one Add per new name would.
    void AddMissing(std::vector<std::string_view> names);
    // A name that is not present gives 0.
    long double GetValue(std::string_view name) const;
    // A name that is not present is ignored.
    void SetValue(std::string_view name, long double value)
    {
        int index = 0;
        if (Locate(name, index))
            FItems[static_cast<std::size_t>(index)].Value = value;
    }
    void Clear();

    int Count() const { return static_cast<int>(FItems.size()); }
    int Capacity() const { return FCapacity; }
    const TVariableItem& Items(int index) const { return FItems[static_cast<std::size_t>(index)]; }

    // Where a variable's value lives until the table next changes shape; a
    // compiled formula keeps these and takes them anew when Generation moves.
    long double* ValueSlot(std::string_view name);
    std::uint64_t Generation() const { return FGeneration; }

private:
    // The binary search itself, kept out of the virtual call for the lookups
    // made once per curve point.
    bool Locate(std::string_view name, int& index) const
    {
        int low = 0;
        int high = static_cast<int>(FItems.size()) - 1;
        while (low <= high) {
            const int middle = (low + high) / 2;
            const int order
                = CompareTextNoCase(FItems[static_cast<std::size_t>(middle)].Name, name);
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

    std::vector<TVariableItem> FItems;
    int FCapacity = 0;
    std::uint64_t FGeneration = 1;
};
