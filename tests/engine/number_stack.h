#pragma once

#include <string>
#include <vector>

// An operand stack of values, each optionally carrying the name of the
// variable it came from (what an assignment writes to): the stack of the tests'
// reference evaluator, which reads the postfix form by names.
class TNumberAndVariantStack {
public:
    bool IsFull() const { return false; }
    bool IsEmpty() const { return FEntries.empty(); }
    void PushNumber(long double value) { FEntries.push_back({ value, {} }); }
    // The name is cut to its first 50 characters.
    void PushVariable(const std::string& name, long double value)
    {
        FEntries.push_back({ value, name.substr(0, 50) });
    }
    bool Pop(long double& value)
    {
        if (FEntries.empty())
            return false;
        value = FEntries.back().Value;
        FEntries.pop_back();
        return true;
    }
    bool PopName(std::string& name)
    {
        if (FEntries.empty())
            return false;
        name = std::move(FEntries.back().Name);
        FEntries.pop_back();
        return true;
    }
    void Clear() { FEntries.clear(); }
    std::size_t Size() const { return FEntries.size(); }

private:
    struct TEntry {
        long double Value;
        std::string Name;
    };
    std::vector<TEntry> FEntries;
};
