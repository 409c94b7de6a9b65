#pragma once

#include "engine/expression_array.h"
#include "engine/variable_memory.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class TTrigCache;
namespace arithmetic {
struct TRaise;
}

// The executable form of a postfix sequence: a flat array of instructions over
// a value stack sized when it is built, the top of the stack held apart.
// Operations on constants alone are done once when it is built (unless they
// fail, so that the failure still comes at evaluation), and an operator whose
// right operand is a single constant or variable takes it directly. Variables
// are reached through slots into the variable table, taken anew whenever the
// table has changed shape since.
//
// A run does the sums, differences, products and quotients without a check
// each and looks once at its result: a fault leaves it not finite, and then the
// formula runs again checking every step, so that it raises exactly what a
// checked run raises. A formula that assigns always runs checked, since its
// first run would already have written.
class TProgram {
public:
    // The sequence must be well formed (every operator has its operands and
    // one value is left); raises EFonksiyonError otherwise.
    void Build(const TExpressionArray& postfix);
    void Clear();
    bool Empty() const { return FCode.empty(); }

    // Runs against memory (which may be null: every variable reads 0). An
    // empty program gives 0.
    long double Run(TVariableMemory* memory)
    {
        if (!FResolved || memory != FResolvedMemory
            || (memory != nullptr && memory->Generation() != FResolvedGeneration)) [[unlikely]]
            Resolve(memory);
        return RunBound();
    }

    // For a generation: takes the slots into memory (and the results cache
    // for sines and cosines, which may be null) once; RunBound then runs
    // without looking at the table's shape, which must not change meanwhile.
    // A variable named CellName(k) reads cells[k] instead of the table (0
    // without cells): how a caller hands the program values it keeps itself.
    void Bind(TVariableMemory* memory, TTrigCache* trig, const long double* cells = nullptr);
    // A name no formula text can spell.
    static std::string CellName(int k);
    long double RunBound();
    // RunBound for a caller that asks only whether the value can be computed:
    // false where RunBound raises the engine's error or a math error, without
    // raising (but for a formula that assigns).
    bool TryRunBound(long double& result);
    // TryRunBound for the caller that runs many short programs: one that reads a
    // variable and adds, subtracts, multiplies or divides it by variables and
    // constants in turn (or nothing more) is run here, without the call (a result
    // that is not finite still goes through TryRunBound).
    [[gnu::always_inline]] bool TryRunShort(long double& result)
    {
        if (FShort) {
            const TInstruction* ip = FCode.data();
            long double v = *ip->Var;
            for (++ip; ip->Op != oEnd; ++ip)
                switch (ip->Op) {
                case oAddVar:
                    v = v + *ip->Var;
                    break;
                case oSubtractVar:
                    v = v - *ip->Var;
                    break;
                case oMultiplyVar:
                    v = v * *ip->Var;
                    break;
                case oAddConst:
                    v = v + ip->Value;
                    break;
                case oSubtractConst:
                    v = v - ip->Value;
                    break;
                case oMultiplyConst:
                    v = v * ip->Value;
                    break;
                default: // oDivideConst
                    v = v / ip->Value;
                    break;
                }
            if (const long double zero = v - v; zero == zero) [[likely]] {
                result = v;
                return true;
            }
        }
        return TryRunBound(result);
    }
    // Every step checked, as a result that is not finite makes a run do: what Run raises.
    long double RunChecked();
    // Whether the formula writes a variable (`=`).
    bool Assigns() const { return FAssigns; }

    const std::vector<std::string>& VariableNames() const { return FNames; }
    // Whether an `=` writes the variable name (letter case aside).
    bool AssignsTo(std::string_view name) const;

    enum TOp : std::uint8_t {
        oConst, // push Value
        oVar, // push *Var
        oFunction, // top := function Code (top)
        oSin,
        oCos,
        oSinVar, // push sin(*Var)
        oCosVar, // push cos(*Var)
        oAbs,
        oNot,
        oOperator, // top := second Code top
        oAdd,
        oSubtract,
        oMultiply,
        oDivide,
        oPower,
        oOperatorConst, // top := top Code Value
        oAddConst,
        oSubtractConst,
        oMultiplyConst,
        oDivideConst,
        oWholePowerConst, // top := top ^ Whole
        oWholeQuotientConst, // top := top div Whole or top mod Whole (Code), Whole a valid divisor
        oSquare, // top := top * top (x^2)
        oOperatorVar, // top := top Code *Var
        oAddVar,
        oSubtractVar,
        oMultiplyVar,
        oDivideVar,
        oAssign, // *Var := top (when the target exists); drops the target entry
        oEnd, // the run's result is top; closes every built program
    };

private:
    struct TInstruction {
        TOp Op;
        std::uint8_t Code;
        std::int32_t Name; // index into FNames, or -1
        long Whole;
        long double Value;
        const long double* Var; // what oVar and the operators on a variable read
        long double* Target; // what oAssign writes: null when the table has no such variable
    };

    void Resolve(TVariableMemory* memory);
    template <bool Checked, typename F = arithmetic::TRaise>
    [[gnu::always_inline]] long double Execute(F fault = {});

    std::vector<TInstruction> FCode;
    std::vector<const long double*> FSlots; // each distinct variable read, once
    TTrigCache* FTrig = nullptr;
    const long double* FCells = nullptr;
    bool FAssigns = false;
    bool FShort = false; // whether TryRunShort runs it itself
    std::vector<long double> FStack;
    std::vector<std::string> FNames;
    bool FResolved = false;
    TVariableMemory* FResolvedMemory = nullptr;
    std::uint64_t FResolvedGeneration = 0;
};
