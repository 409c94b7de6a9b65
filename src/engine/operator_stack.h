#pragma once

#include <cstdint>
#include <vector>

// The stack of operator codes used while a formula is compiled.
class TOperatorStack {
public:
    bool IsFull() const { return false; }
    bool IsEmpty() const { return FCodes.empty(); }
    bool Push(std::uint8_t code)
    {
        if (IsFull())
            return false;
        FCodes.push_back(code);
        return true;
    }
    // Reports false and leaves code untouched when the stack is empty.
    bool Pop(std::uint8_t& code)
    {
        if (FCodes.empty())
            return false;
        code = FCodes.back();
        FCodes.pop_back();
        return true;
    }
    void Clear() { FCodes.clear(); }

private:
    std::vector<std::uint8_t> FCodes;
};
