#include "engine/program.h"

#include "base/catalogue.h"
#include "base/message.h"
#include "base/rounding.h"
#include "base/text.h"
#include "engine/arithmetic.h"
#include "engine/fonksiyon_error.h"
#include "engine/trig_cache.h"
#include "engine/variable_memory.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <limits>
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
    std::size_t Start = 0; // its first instruction
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

// Whether a value is finite: what the checks of a checked run ask of a result.
// The difference of a value with itself is 0 for a finite one and a NaN for an
// infinity or a NaN: two register operations, where comparing the magnitude
// with the largest value would load that constant in full width each time.
inline bool finite(long double v)
{
    const long double zero = v - v;
    return zero == zero;
}

// What a run without checks gives up with when it cannot tell on its own.
constexpr long double unsure = std::numeric_limits<long double>::quiet_NaN();

[[noreturn]] void malformed()
{
    throw EFonksiyonError(FormatText(Localized("(Sintax Error)İmla hatası => %s"), Localized("operand eksik")));
}
}

// A curve that takes the sine of an angle mostly takes its cosine too (a circle, a
// helix, a sphere): both are computed at the first asking.
void TTrigCache::compute(const long double& x, TEntry& e)
{
    arithmetic::sineAndCosine(x, e.Sine, e.Cosine);
}

long double TTrigCache::Sine(const long double& x) { return pairFor(x).Sine; }

long double TTrigCache::Cosine(const long double& x) { return pairFor(x).Cosine; }

void TProgram::Clear()
{
    FCode.clear();
    FStack.clear();
    FNames.clear();
    FSlots.clear();
    FTrig = nullptr;
    FCells = nullptr;
    FAssigns = false;
    FShort = false;
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
    bool assigns = false;
    for (int i = 0; i < postfix.Count(); ++i)
        assigns = assigns || (postfix[i].Kind == ekOperator && postfix[i].Code == opAssign);

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
        entry.Start = code.size();
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
            // The sine or cosine of a variable is pushed in one instruction.
            if (const TOp op = functionOp(e.Code);
                code.back().Op == oVar && (op == oSin || op == oCos))
                code.back().Op = op == oSin ? oSinVar : oCosVar;
            else
                code.push_back({ op, e.Code, -1, 0, 0, nullptr, nullptr });
            entries.back().Constant = false;
            entries.back().Name = -1;
            break;
        case ekOperator: {
            if (e.Code == opNot) {
                if (entries.empty())
                    malformed();
                if (entries.back().Constant
                    && folded(1, [&] { return arithmetic::logicalNot(code.back().Value); }))
                    break;
                code.push_back({ oNot, e.Code, -1, 0, 0, nullptr, nullptr });
                entries.back().Constant = false;
                entries.back().Name = -1;
                break;
            }
            if (entries.size() < 2 || e.Code < opPower)
                malformed();
            const TEntry right = entries[entries.size() - 1];
            const TEntry left = entries[entries.size() - 2];
            if (e.Code == opAssign) {
                code.push_back({ oAssign, e.Code, left.Name, 0, 0, nullptr, nullptr });
                entries.pop_back();
                entries.back().Constant = false;
                entries.back().Name = left.Name;
                break;
            }
            if (left.Constant && right.Constant && folded(2, [&] {
                    return arithmetic::operation(
                        e.Code, code[code.size() - 2].Value, code.back().Value);
                }))
                break;
            entries.pop_back();
            entries.back().Constant = false;
            entries.back().Name = -1;
            const TInfixForms forms = infixForms(e.Code);
            // The right operand is a single push when it is the last instruction.
            TInstruction& last = code.back();
            if (last.Op == oConst) {
                const long double v = last.Value;
                if (std::int64_t n = 0; e.Code == opPower && arithmetic::isWholeExponent(v, n)) {
                    last = { n == 2 ? oSquare : oWholePowerConst, e.Code, -1, static_cast<long>(n),
                        v, nullptr, nullptr };
                    break;
                }
                if (std::int64_t n = 0; (e.Code == opIntDivide || e.Code == opModulo)
                    && arithmetic::isWholeOperand(v, n) && n != 0) {
                    last = { oWholeQuotientConst, e.Code, -1, static_cast<long>(n), v, nullptr,
                        nullptr };
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
            // A sum or product whose left operand alone is a single push takes it
            // after the right one (the same value, the two being exchangeable), so
            // that neither goes through the stack. Not where a formula assigns: the
            // right operand could write the variable the left one read.
            if (const TInstruction first = code[left.Start];
                (e.Code == opAdd || e.Code == opMultiply) && !assigns
                && right.Start == left.Start + 1 && (first.Op == oConst || first.Op == oVar)) {
                code.erase(code.begin() + static_cast<std::ptrdiff_t>(left.Start));
                code.push_back(first.Op == oConst
                        ? TInstruction { forms.WithConstant, e.Code, -1, 0, first.Value, nullptr, nullptr }
                        : TInstruction { forms.WithVariable, e.Code, first.Name, 0, 0, nullptr, nullptr });
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
    code.push_back({ oEnd, 0, -1, 0, 0, nullptr, nullptr });
    FShort = code[0].Op == oVar
        && std::all_of(code.begin() + 1, code.end() - 1, [](const TInstruction& i) {
               return i.Op == oAddVar || i.Op == oSubtractVar || i.Op == oMultiplyVar
                   || i.Op == oAddConst || i.Op == oSubtractConst || i.Op == oMultiplyConst
                   || i.Op == oDivideConst;
           });
    FCode = std::move(code);
    FNames = std::move(names);
    FSlots.clear();
    FTrig = nullptr;
    FStack.assign(maxDepth + 1, 0);
    FResolved = false;
    FResolvedMemory = nullptr;
    FResolvedGeneration = 0;
}

bool TProgram::AssignsTo(std::string_view name) const
{
    if (!FAssigns)
        return false;
    return std::any_of(FCode.begin(), FCode.end(), [&](const TInstruction& i) {
        return i.Op == oAssign && i.Name >= 0
            && CompareTextNoCase(FNames[static_cast<std::size_t>(i.Name)], name) == 0;
    });
}

std::string TProgram::CellName(int k) { return { '\x01', static_cast<char>('0' + k) }; }

void TProgram::Resolve(TVariableMemory* memory)
{
    // In place, so that a program bound again and again allocates nothing.
    FSlots.clear();
    for (const std::string& name : FNames) {
        if (name.size() == 2 && name[0] == '\x01') {
            FSlots.push_back(FCells != nullptr ? FCells + (name[1] - '0') : &absentValue);
            continue;
        }
        const long double* slot = memory != nullptr ? memory->ValueSlot(name) : nullptr;
        FSlots.push_back(slot != nullptr ? slot : &absentValue);
    }
    for (TInstruction& instruction : FCode) {
        if (instruction.Name < 0)
            continue;
        const std::string& name = FNames[static_cast<std::size_t>(instruction.Name)];
        if (instruction.Op == oAssign)
            instruction.Target = memory != nullptr ? memory->ValueSlot(name) : nullptr;
        else
            instruction.Var = FSlots[static_cast<std::size_t>(instruction.Name)];
    }
    FResolved = true;
    FResolvedMemory = memory;
    FResolvedGeneration = memory != nullptr ? memory->Generation() : 0;
}

void TProgram::Bind(TVariableMemory* memory, TTrigCache* trig, const long double* cells)
{
    FCells = cells;
    Resolve(memory);
    FTrig = trig;
}

// A run without checks works on the fact that a fault leaves a value that is
// not finite (an overflow an infinity, an invalid operation or 0/0 a NaN, a
// division by zero an infinity) and that sums, differences, products and the
// dividend of a quotient keep it so. Only a divisor, or an instruction that
// checks its own operands (functions, powers, comparisons, the integer
// operators), could hide it: they look at their operands first and give up with
// a NaN. So a finite result is the checked run's; anything else, or an error
// raised while an earlier fault may still wait on the stack, sends the formula
// through the checked run, which raises exactly what checking every step raises.
// A value that is not finite in the table (only a caller's SetValue puts one
// there) takes the same way.
long double TProgram::RunBound()
{
    if (FAssigns || FCode.empty()) [[unlikely]]
        return RunChecked();
    long double result;
    try {
        result = Execute<false>();
    } catch (...) {
        return RunChecked();
    }
    if (!finite(result)) [[unlikely]]
        return RunChecked();
    return result;
}

long double TProgram::RunChecked()
{
    if (FCode.empty())
        return 0;
    return Execute<true>();
}

bool TProgram::TryRunBound(long double& result)
{
    if (FCode.empty()) [[unlikely]] {
        result = 0;
        return true;
    }
    if (FAssigns) [[unlikely]] {
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
    // A fault the run meets and notes means the checked run fails too (at the
    // latest there); a result that is not finite, only the checked run can tell.
    bool failed = false;
    result = Execute<false>(arithmetic::TRecord { &failed });
    if (failed) [[unlikely]]
        return false;
    if (!finite(result)) [[unlikely]] {
        result = Execute<true>(arithmetic::TRecord { &failed });
        return !failed;
    }
    return true;
}

template <bool Checked, typename F>
inline long double TProgram::Execute(F fault)
{
    using namespace arithmetic;
    const auto check = [fault](long double r) { return Checked ? checked(r, fault) : r; };
    const auto quotient
        = [fault](long double a, long double b) { return Checked ? divide(a, b, fault) : a / b; };
    // Before an instruction that could hide a fault (see RunBound).
    const auto hides = [](long double v) { return !Checked && !finite(v); };
    // The sine or cosine at instruction at of x, through the cache when there is one.
    // The cache keys a result by its argument's bits. When the argument is a variable
    // just pushed (sin(a)), they are read from the variable's slot, with the same
    // value as x: bits of the stack's top itself would come from a fresh store of the
    // x87 register, which the processor cannot forward to the narrower integer loads.
    // Otherwise x, a copy of the top, is handed over, so that the top never has its
    // address taken and stays in its register for the whole loop. A sine or cosine is
    // never the first instruction, so at - 1 is one.
    const auto kept = [this](const TInstruction* at, long double x,
                          long double (*compute)(long double),
                          long double (TTrigCache::*cached)(const long double&)) {
        if (FTrig == nullptr)
            return compute(x);
        if ((at - 1)->Op == oVar)
            return (FTrig->*cached)(*(at - 1)->Var);
        return (FTrig->*cached)(x);
    };
    // The sine or cosine of the variable of instruction at, as kept gives it after
    // the variable's push.
    const auto keptOfVariable = [this](const TInstruction* at, long double (*compute)(long double),
                                    long double (TTrigCache::*cached)(const long double&)) {
        return FTrig == nullptr ? compute(*at->Var) : (FTrig->*cached)(*at->Var);
    };
    long double* sp = FStack.data();
    // A postfix form starts with an operand: its push needs no stack entry.
    const TInstruction* ip = FCode.data();
    long double top;
    switch (ip->Op) {
    case oConst:
        top = ip->Value;
        break;
    case oSinVar:
    case oCosVar:
        if (hides(*ip->Var)) [[unlikely]]
            return unsure;
        top = ip->Op == oSinVar ? keptOfVariable(ip, sine, &TTrigCache::Sine)
                                : keptOfVariable(ip, cosine, &TTrigCache::Cosine);
        break;
    default:
        top = *ip->Var;
        break;
    }
    for (++ip;; ++ip) {
        switch (ip->Op) {
        case oEnd:
            return top;
        case oConst:
            *sp++ = top;
            top = ip->Value;
            break;
        case oVar:
            *sp++ = top;
            top = *ip->Var;
            break;
        case oFunction:
            if (hides(top)) [[unlikely]]
                return unsure;
            top = function(ip->Code, top, fault);
            break;
        case oSin:
            if (hides(top)) [[unlikely]]
                return unsure;
            top = kept(ip, top, sine, &TTrigCache::Sine);
            break;
        case oCos:
            if (hides(top)) [[unlikely]]
                return unsure;
            top = kept(ip, top, cosine, &TTrigCache::Cosine);
            break;
        case oSinVar:
            if (hides(*ip->Var)) [[unlikely]]
                return unsure;
            *sp++ = top;
            top = keptOfVariable(ip, sine, &TTrigCache::Sine);
            break;
        case oCosVar:
            if (hides(*ip->Var)) [[unlikely]]
                return unsure;
            *sp++ = top;
            top = keptOfVariable(ip, cosine, &TTrigCache::Cosine);
            break;
        case oAbs:
            top = std::fabs(top);
            break;
        case oNot:
            if (hides(top)) [[unlikely]]
                return unsure;
            top = logicalNot(top, fault);
            break;
        case oOperator:
            if (hides(top) || hides(sp[-1])) [[unlikely]]
                return unsure;
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
            if (hides(top)) [[unlikely]]
                return unsure;
            top = quotient(*--sp, top);
            break;
        case oPower:
            if (hides(top) || hides(sp[-1])) [[unlikely]]
                return unsure;
            top = power(*--sp, top, fault);
            break;
        case oOperatorConst:
            if (hides(top)) [[unlikely]]
                return unsure;
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
            if (hides(top)) [[unlikely]]
                return unsure;
            top = wholePower(top, ip->Whole, fault);
            break;
        case oWholeQuotientConst:
            if (hides(top)) [[unlikely]]
                return unsure;
            top = wholeQuotientBy(ip->Code, top, ip->Whole, fault);
            break;
        case oOperatorVar:
            if (hides(top) || hides(*ip->Var)) [[unlikely]]
                return unsure;
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
            if (hides(*ip->Var)) [[unlikely]]
                return unsure;
            top = quotient(top, *ip->Var);
            break;
        case oAssign:
            --sp;
            if (ip->Target != nullptr)
                *ip->Target = top;
            break;
        default: // every instruction has its case: no range check before the jump
            __builtin_unreachable();
        }
    }
}
