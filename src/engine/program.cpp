#include "engine/program.h"

#include "base/rounding.h"
#include "base/text.h"
#include "engine/arithmetic.h"
#include "engine/fonksiyon_error.h"
#include "engine/variable_memory.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace {
long double gAbsentValue = 0; // what a variable missing from the table reads

// What the builder knows of one stack entry.
struct TEntry {
    bool Constant;
    int Name; // the variable it came from (what `=` writes to), or -1
};

struct TNoCaseHash {
    std::size_t operator()(std::string_view name) const noexcept
    {
        std::size_t h = 14695981039346656037ULL;
        for (unsigned char c : name)
            h = (h ^ ((c >= 'A' && c <= 'Z') ? c + 32U : c)) * 1099511628211ULL;
        return h;
    }
};
struct TNoCaseEqual {
    bool operator()(std::string_view a, std::string_view b) const noexcept
    {
        return CompareTextNoCase(a, b) == 0;
    }
};

[[noreturn]] void malformed()
{
    throw EFonksiyonError("(Sintax Error)İmla hatası => operand eksik");
}
}

void TProgram::Clear()
{
    FCode.clear();
    FStack.clear();
    FNames.clear();
    FResolved = false;
    FResolvedMemory = nullptr;
    FResolvedGeneration = 0;
}

void TProgram::Build(const TExpressionArray& postfix)
{
    std::vector<TInstruction> code;
    std::vector<std::string> names;
    std::vector<TEntry> entries;
    std::size_t maxDepth = 0;

    // Names are found by hashing, without regard to letter case: a scan per
    // variable would make compiling quadratic in the number of distinct names.
    std::unordered_map<std::string_view, int, TNoCaseHash, TNoCaseEqual> indexOf;
    const auto nameIndex = [&names, &indexOf](const std::string& name) {
        const auto [where, added] = indexOf.try_emplace(name, static_cast<int>(names.size()));
        if (added)
            names.push_back(name);
        return where->second;
    };
    const auto push = [&](TInstruction instruction, TEntry entry) {
        code.push_back(instruction);
        entries.push_back(entry);
        maxDepth = std::max(maxDepth, entries.size());
    };
    const auto pushConstant = [&](long double value) {
        push({ oConst, 0, -1, 0, value, nullptr }, { true, -1 });
    };

    for (int i = 0; i < postfix.Count(); ++i) {
        const TExpressionElement& e = postfix[i];
        switch (e.Kind) {
        case ekNumber:
            pushConstant(e.Value);
            break;
        case ekConstant:
            pushConstant(ConstantTable[e.Code].Value);
            break;
        case ekVariable: {
            const int name = nameIndex(e.Name);
            push({ oVar, 0, name, 0, 0, nullptr }, { false, name });
            break;
        }
        case ekFunction: {
            if (entries.empty())
                malformed();
            if (entries.back().Constant) {
                try {
                    const long double value = arithmetic::function(e.Code, code.back().Value);
                    code.pop_back();
                    entries.pop_back();
                    pushConstant(value);
                    break;
                } catch (const Exception&) {
                    // left to fail at evaluation, where the user sees it
                }
            }
            const TOp op = e.Code == fnSin ? oSin
                : e.Code == fnCos          ? oCos
                : e.Code == fnAbs          ? oAbs
                                           : oFunction;
            code.push_back({ op, e.Code, -1, 0, 0, nullptr });
            entries.back() = { false, -1 };
            break;
        }
        case ekOperator: {
            if (e.Code == opNot) {
                if (entries.empty())
                    malformed();
                if (entries.back().Constant) {
                    try {
                        const long double value = arithmetic::logicalNot(code.back().Value);
                        code.back().Value = value;
                        break;
                    } catch (const Exception&) {
                    }
                }
                code.push_back({ oNot, e.Code, -1, 0, 0, nullptr });
                entries.back() = { false, -1 };
                break;
            }
            if (entries.size() < 2 || e.Code < opPower)
                malformed();
            const TEntry right = entries[entries.size() - 1];
            const TEntry left = entries[entries.size() - 2];
            if (e.Code == opAssign) {
                code.push_back({ oAssign, e.Code, left.Name, 0, 0, nullptr });
                entries.pop_back();
                entries.back() = { false, left.Name };
                break;
            }
            if (left.Constant && right.Constant) {
                try {
                    const long double value = arithmetic::operation(
                        e.Code, code[code.size() - 2].Value, code.back().Value);
                    code.resize(code.size() - 2);
                    entries.resize(entries.size() - 2);
                    pushConstant(value);
                    break;
                } catch (const Exception&) {
                }
            }
            entries.pop_back();
            entries.back() = { false, -1 };
            // The right operand is a single push when it is the last instruction.
            TInstruction& last = code.back();
            if (last.Op == oConst) {
                const long double v = last.Value;
                if (std::int64_t n = 0; e.Code == opPower && WholeToInt64(v, n) && n >= -2147483647
                    && n <= 2147483647) {
                    last = { n == 2 ? oSquare : oWholePowerConst, e.Code, -1, static_cast<long>(n),
                        v, nullptr };
                    break;
                }
                const TOp op = e.Code == opAdd ? oAddConst
                    : e.Code == opSubtract     ? oSubtractConst
                    : e.Code == opMultiply     ? oMultiplyConst
                    : e.Code == opDivide       ? oDivideConst
                                               : oOperatorConst;
                last = { op, e.Code, -1, 0, v, nullptr };
                break;
            }
            if (last.Op == oVar) {
                const TOp op = e.Code == opAdd ? oAddVar
                    : e.Code == opSubtract     ? oSubtractVar
                    : e.Code == opMultiply     ? oMultiplyVar
                    : e.Code == opDivide       ? oDivideVar
                                               : oOperatorVar;
                last.Op = op;
                last.Code = e.Code;
                break;
            }
            const TOp op = e.Code == opAdd ? oAdd
                : e.Code == opSubtract     ? oSubtract
                : e.Code == opMultiply     ? oMultiply
                : e.Code == opDivide       ? oDivide
                : e.Code == opPower        ? oPower
                                           : oOperator;
            code.push_back({ op, e.Code, -1, 0, 0, nullptr });
            break;
        }
        }
    }
    if (entries.size() != 1)
        malformed();

    FCode = std::move(code);
    FNames = std::move(names);
    FStack.assign(maxDepth + 1, 0);
    FResolved = false;
    FResolvedMemory = nullptr;
    FResolvedGeneration = 0;
}

void TProgram::Resolve(TVariableMemory* memory)
{
    std::vector<long double*> slots(FNames.size(), nullptr);
    if (memory != nullptr)
        for (std::size_t i = 0; i < FNames.size(); ++i)
            slots[i] = memory->ValueSlot(FNames[i]);
    for (TInstruction& instruction : FCode) {
        if (instruction.Op == oAssign)
            instruction.Var = instruction.Name >= 0
                ? slots[static_cast<std::size_t>(instruction.Name)]
                : nullptr;
        else if (instruction.Name >= 0) {
            long double* slot = slots[static_cast<std::size_t>(instruction.Name)];
            instruction.Var = slot != nullptr ? slot : &gAbsentValue;
        }
    }
    FResolved = true;
    FResolvedMemory = memory;
    FResolvedGeneration = memory != nullptr ? memory->Generation() : 0;
}

long double TProgram::Run(TVariableMemory* memory)
{
    if (FCode.empty())
        return 0;
    if (!FResolved || memory != FResolvedMemory
        || (memory != nullptr && memory->Generation() != FResolvedGeneration)) [[unlikely]]
        Resolve(memory);
    using namespace arithmetic;
    long double* sp = FStack.data();
    // A postfix form starts with an operand: its push needs no stack entry.
    const TInstruction* ip = FCode.data();
    long double top = ip->Op == oConst ? ip->Value : *ip->Var;
    for (const TInstruction* end = ip++ + FCode.size(); ip != end; ++ip) {
        switch (ip->Op) {
        case oConst:
            *sp++ = top;
            top = ip->Value;
            break;
        case oVar:
            *sp++ = top;
            top = *ip->Var;
            break;
        case oFunction:
            top = function(ip->Code, top);
            break;
        case oSin:
            top = sine(top);
            break;
        case oCos:
            top = cosine(top);
            break;
        case oAbs:
            top = std::fabs(top);
            break;
        case oNot:
            top = logicalNot(top);
            break;
        case oOperator:
            top = operation(ip->Code, *--sp, top);
            break;
        case oAdd:
            top = checked(*--sp + top);
            break;
        case oSubtract:
            top = checked(*--sp - top);
            break;
        case oMultiply:
            top = checked(*--sp * top);
            break;
        case oDivide:
            top = divide(*--sp, top);
            break;
        case oPower:
            top = power(*--sp, top);
            break;
        case oOperatorConst:
            top = operation(ip->Code, top, ip->Value);
            break;
        case oAddConst:
            top = checked(top + ip->Value);
            break;
        case oSubtractConst:
            top = checked(top - ip->Value);
            break;
        case oMultiplyConst:
            top = checked(top * ip->Value);
            break;
        case oDivideConst:
            top = divide(top, ip->Value);
            break;
        case oSquare:
            top = checked(top * top);
            break;
        case oWholePowerConst:
            top = wholePower(top, ip->Whole);
            break;
        case oOperatorVar:
            top = operation(ip->Code, top, *ip->Var);
            break;
        case oAddVar:
            top = checked(top + *ip->Var);
            break;
        case oSubtractVar:
            top = checked(top - *ip->Var);
            break;
        case oMultiplyVar:
            top = checked(top * *ip->Var);
            break;
        case oDivideVar:
            top = divide(top, *ip->Var);
            break;
        case oAssign:
            --sp;
            if (ip->Var != nullptr)
                *ip->Var = top;
            break;
        }
    }
    return top;
}
