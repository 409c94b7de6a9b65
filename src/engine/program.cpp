#include "engine/program.h"

#include "base/rounding.h"
#include "base/text.h"
#include "engine/arithmetic.h"
#include "engine/fonksiyon_error.h"
#include "engine/trig_cache.h"
#include "engine/variable_memory.h"

#include <algorithm>
#include <cfenv>
#include <cfloat>
#include <string_view>
#include <unordered_map>

namespace {
constexpr long double absentValue = 0; // what a variable missing from the table reads

// The instruction an infix operator becomes, by where its right operand comes
// from: the stack, a constant or a variable. The common arithmetic has
// instructions of its own; the rest runs through `operation` with its code.
struct TInfixForms {
    TProgram::TOp OnStack, WithConstant, WithVariable;
};

constexpr TInfixForms infixForms(std::uint8_t code)
{
    switch (code) {
    case opAdd:
        return { TProgram::oAdd, TProgram::oAddConst, TProgram::oAddVar };
    case opSubtract:
        return { TProgram::oSubtract, TProgram::oSubtractConst, TProgram::oSubtractVar };
    case opMultiply:
        return { TProgram::oMultiply, TProgram::oMultiplyConst, TProgram::oMultiplyVar };
    case opDivide:
        return { TProgram::oDivide, TProgram::oDivideConst, TProgram::oDivideVar };
    case opPower:
        return { TProgram::oPower, TProgram::oOperatorConst, TProgram::oOperatorVar };
    default:
        return { TProgram::oOperator, TProgram::oOperatorConst, TProgram::oOperatorVar };
    }
}

// The instruction a function becomes: the ones a curve calls most have their own.
constexpr TProgram::TOp functionOp(std::uint8_t code)
{
    switch (code) {
    case fnSin:
        return TProgram::oSin;
    case fnCos:
        return TProgram::oCos;
    case fnAbs:
        return TProgram::oAbs;
    default:
        return TProgram::oFunction;
    }
}

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

// The processor's sticky flags of an invalid operation, a division by zero
// and an overflow. Reading them waits for `after`, the result of the run, so
// that no operation of the run is moved past the reading.
#if defined(__x86_64__) || defined(__i386__)
inline bool faultFlagsSet(long double after)
{
    std::uint16_t status = 0;
    __asm__ volatile("fnstsw %0" : "=a"(status) : "f"(after));
    return (status & 0x0d) != 0; // IE, ZE, OE
}
inline bool faultFlagsSet()
{
    std::uint16_t status = 0;
    __asm__ volatile("fnstsw %0" : "=a"(status));
    return (status & 0x0d) != 0;
}
inline void clearFaultFlags() { __asm__ volatile("fnclex"); }
#else
inline bool faultFlagsSet() { return std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }
inline bool faultFlagsSet(long double) { return faultFlagsSet(); }
inline void clearFaultFlags() { std::feclearexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW); }
#endif

// Clears the flags when a checked run ends, however it ends.
struct TFlagsCleared {
    ~TFlagsCleared() { clearFaultFlags(); }
};

[[noreturn]] void malformed()
{
    throw EFonksiyonError("(Sintax Error)İmla hatası => operand eksik");
}
}

long double TTrigCache::Sine(const long double& x)
{
    TEntry& e = entryFor(x);
    if (!(e.Has & HasSine)) {
        e.Sine = arithmetic::sine(x);
        e.Has |= HasSine;
    }
    return e.Sine;
}

long double TTrigCache::Cosine(const long double& x)
{
    TEntry& e = entryFor(x);
    if (!(e.Has & HasCosine)) {
        e.Cosine = arithmetic::cosine(x);
        e.Has |= HasCosine;
    }
    return e.Cosine;
}

void TProgram::Clear()
{
    FCode.clear();
    FStack.clear();
    FNames.clear();
    FSlots.clear();
    FTrig = nullptr;
    FAssigns = false;
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
        push({ oConst, 0, -1, 0, value, nullptr, nullptr }, { true, -1 });
    };
    // An operation on constants alone is done now, in place of its operands;
    // one that fails is left to fail at evaluation, where the user sees it.
    const auto folded = [&](std::size_t operands, auto compute) {
        try {
            const long double value = compute();
            code.resize(code.size() - operands);
            entries.resize(entries.size() - operands);
            pushConstant(value);
            return true;
        } catch (const Exception&) {
            return false;
        }
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
            push({ oVar, 0, name, 0, 0, nullptr, nullptr }, { false, name });
            break;
        }
        case ekFunction:
            if (entries.empty())
                malformed();
            if (entries.back().Constant
                && folded(1, [&] { return arithmetic::function(e.Code, code.back().Value); }))
                break;
            code.push_back({ functionOp(e.Code), e.Code, -1, 0, 0, nullptr, nullptr });
            entries.back() = { false, -1 };
            break;
        case ekOperator: {
            if (e.Code == opNot) {
                if (entries.empty())
                    malformed();
                if (entries.back().Constant
                    && folded(1, [&] { return arithmetic::logicalNot(code.back().Value); }))
                    break;
                code.push_back({ oNot, e.Code, -1, 0, 0, nullptr, nullptr });
                entries.back() = { false, -1 };
                break;
            }
            if (entries.size() < 2 || e.Code < opPower)
                malformed();
            const TEntry right = entries[entries.size() - 1];
            const TEntry left = entries[entries.size() - 2];
            if (e.Code == opAssign) {
                code.push_back({ oAssign, e.Code, left.Name, 0, 0, nullptr, nullptr });
                entries.pop_back();
                entries.back() = { false, left.Name };
                break;
            }
            if (left.Constant && right.Constant && folded(2, [&] {
                    return arithmetic::operation(
                        e.Code, code[code.size() - 2].Value, code.back().Value);
                }))
                break;
            entries.pop_back();
            entries.back() = { false, -1 };
            const TInfixForms forms = infixForms(e.Code);
            // The right operand is a single push when it is the last instruction.
            TInstruction& last = code.back();
            if (last.Op == oConst) {
                const long double v = last.Value;
                if (std::int64_t n = 0; e.Code == opPower && WholeToInt64(v, n) && n >= -2147483647
                    && n <= 2147483647) {
                    last = { n == 2 ? oSquare : oWholePowerConst, e.Code, -1, static_cast<long>(n),
                        v, nullptr, nullptr };
                    break;
                }
                last = { forms.WithConstant, e.Code, -1, 0, v, nullptr, nullptr };
                break;
            }
            if (last.Op == oVar) {
                last.Op = forms.WithVariable;
                last.Code = e.Code;
                break;
            }
            code.push_back({ forms.OnStack, e.Code, -1, 0, 0, nullptr, nullptr });
            break;
        }
        }
    }
    if (entries.size() != 1)
        malformed();

    FAssigns = std::any_of(
        code.begin(), code.end(), [](const TInstruction& i) { return i.Op == oAssign; });
    FCode = std::move(code);
    FNames = std::move(names);
    FSlots.clear();
    FTrig = nullptr;
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
    FSlots.clear();
    for (long double* slot : slots)
        FSlots.push_back(slot != nullptr ? slot : &absentValue);
    for (TInstruction& instruction : FCode) {
        if (instruction.Name < 0)
            continue;
        long double* slot = slots[static_cast<std::size_t>(instruction.Name)];
        if (instruction.Op == oAssign)
            instruction.Target = slot;
        else
            instruction.Var = slot != nullptr ? slot : &absentValue;
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
    return RunBound();
}

void TProgram::Bind(TVariableMemory* memory, TTrigCache* trig)
{
    Resolve(memory);
    FTrig = trig;
}

// A value that is not finite (which only a caller's SetValue can put into the
// table) passes through unchecked steps without raising a flag.
bool TProgram::InputsFinite() const
{
    for (const long double* slot : FSlots)
        if (!(std::fabs(*slot) <= LDBL_MAX)) [[unlikely]]
            return false;
    return true;
}

long double TProgram::RunBound()
{
    if (FCode.empty())
        return 0;
    if (FAssigns || !InputsFinite()) [[unlikely]]
        return RunChecked();
    long double result;
    try {
        result = Execute<false>();
    } catch (...) {
        // Raised after an unchecked fault: the checked run raises the earlier one.
        if (!faultFlagsSet())
            throw;
        return RunAgainChecked();
    }
    if (faultFlagsSet(result)) [[unlikely]]
        return RunAgainChecked();
    return result;
}

long double TProgram::RunAgainChecked()
{
    clearFaultFlags(); // also those another computation left behind
    return RunChecked();
}

long double TProgram::RunChecked()
{
    if (FCode.empty())
        return 0;
    const TFlagsCleared cleared;
    return Execute<true>();
}

bool TProgram::TryRunBound(long double& result)
{
    if (FCode.empty()) {
        result = 0;
        return true;
    }
    if (FAssigns || !InputsFinite()) [[unlikely]] {
        // Rare enough to take the raising path: a run that assigns stops where it
        // raises, before its later assignments.
        try {
            result = RunChecked();
            return true;
        } catch (const EFonksiyonError&) {
            return false;
        } catch (const EMathError&) {
            return false;
        }
    }
    // Up to its first fault an unchecked run computes what a checked one does, so a
    // fault it meets means the checked run fails too; with no fault but a flag
    // set, only the checked run can tell.
    bool failed = false;
    result = Execute<false>(arithmetic::TRecord { &failed });
    if (failed) [[unlikely]] {
        clearFaultFlags();
        return false;
    }
    if (faultFlagsSet(result)) [[unlikely]] {
        clearFaultFlags();
        const TFlagsCleared cleared;
        result = Execute<true>(arithmetic::TRecord { &failed });
        return !failed;
    }
    return true;
}

template <bool Checked, typename F> long double TProgram::Execute(F fault)
{
    using namespace arithmetic;
    const auto check = [fault](long double r) { return Checked ? checked(r, fault) : r; };
    const auto quotient
        = [fault](long double a, long double b) { return Checked ? divide(a, b, fault) : a / b; };
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
            top = function(ip->Code, top, fault);
            break;
        // The cache keys a sine or cosine by its argument's bits. When the argument
        // is a variable just pushed (sin(a)), they are read from the variable's slot,
        // with the same value as top: bits of top itself would come from a fresh
        // store of the x87 register, which the processor cannot forward to the
        // narrower integer loads. Otherwise a copy of top is handed over, so that top
        // never has its address taken and stays in its register for the whole loop.
        // A sine or cosine is never the first instruction, so ip - 1 is one.
        case oSin:
            if (FTrig == nullptr)
                top = sine(top);
            else if ((ip - 1)->Op == oVar)
                top = FTrig->Sine(*(ip - 1)->Var);
            else {
                const long double argument = top;
                top = FTrig->Sine(argument);
            }
            break;
        case oCos:
            if (FTrig == nullptr)
                top = cosine(top);
            else if ((ip - 1)->Op == oVar)
                top = FTrig->Cosine(*(ip - 1)->Var);
            else {
                const long double argument = top;
                top = FTrig->Cosine(argument);
            }
            break;
        case oAbs:
            top = std::fabs(top);
            break;
        case oNot:
            top = logicalNot(top, fault);
            break;
        case oOperator:
            top = operation(ip->Code, *--sp, top, fault);
            break;
        case oAdd:
            top = check(*--sp + top);
            break;
        case oSubtract:
            top = check(*--sp - top);
            break;
        case oMultiply:
            top = check(*--sp * top);
            break;
        case oDivide:
            top = quotient(*--sp, top);
            break;
        case oPower:
            top = power(*--sp, top, fault);
            break;
        case oOperatorConst:
            top = operation(ip->Code, top, ip->Value, fault);
            break;
        case oAddConst:
            top = check(top + ip->Value);
            break;
        case oSubtractConst:
            top = check(top - ip->Value);
            break;
        case oMultiplyConst:
            top = check(top * ip->Value);
            break;
        case oDivideConst:
            top = quotient(top, ip->Value);
            break;
        case oSquare:
            top = check(top * top);
            break;
        case oWholePowerConst:
            top = wholePower(top, ip->Whole, fault);
            break;
        case oOperatorVar:
            top = operation(ip->Code, top, *ip->Var, fault);
            break;
        case oAddVar:
            top = check(top + *ip->Var);
            break;
        case oSubtractVar:
            top = check(top - *ip->Var);
            break;
        case oMultiplyVar:
            top = check(top * *ip->Var);
            break;
        case oDivideVar:
            top = quotient(top, *ip->Var);
            break;
        case oAssign:
            --sp;
            if (ip->Target != nullptr)
                *ip->Target = top;
            break;
        }
    }
    return top;
}
