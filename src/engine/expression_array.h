#pragma once

#include "base/exception.h"

#include <cstdint>
#include <string>
#include <vector>

enum TElementKind : std::uint8_t {
    ekOperator = 0,
    ekFunction = 1,
    ekNumber = 2,
    ekVariable = 3,
    ekConstant = 4,
};

// One token of a formula after recognition; only the field of its kind means
// anything (Code for operators, functions and constants).
struct TExpressionElement {
    TElementKind Kind = ekNumber;
    std::uint8_t Code = 0;
    long double Value = 0;
    std::string Name;

    static TExpressionElement Operator(std::uint8_t code) { return { ekOperator, code, 0, {} }; }
    static TExpressionElement Function(std::uint8_t code) { return { ekFunction, code, 0, {} }; }
    static TExpressionElement Constant(std::uint8_t code) { return { ekConstant, code, 0, {} }; }
    static TExpressionElement Number(long double value) { return { ekNumber, 0, value, {} }; }
    static TExpressionElement Variable(std::string name)
    {
        return { ekVariable, 0, 0, std::move(name) };
    }
    bool IsOperator(std::uint8_t code) const { return Kind == ekOperator && Code == code; }
};

class EExpressionArrayError : public Exception {
public:
    using Exception::Exception;
};

// An owned, contiguous, growable array of elements under the shared growth rule.
class TExpressionArray {
public:
    int Add(const TExpressionElement& element);
    // Raises EExpressionArrayError "List index out of bounds (%d)".
    TExpressionElement Get(int index) const;
    const TExpressionElement& operator[](int index) const { return FItems[index]; }
    int Count() const { return FCount; }
    int Capacity() const { return FCapacity; }
    void Clear();

private:
    std::vector<TExpressionElement> FItems;
    int FCount = 0;
    int FCapacity = 0;
};
