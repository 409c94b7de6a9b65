#pragma once

#include "engine/expression_array.h"
#include "engine/program.h"

#include <cstdint>
#include <vector>

class TFonksiyon;

// What the formulas of a curve compute from its free variables alone, kept per
// sample from one generation to the next, so that a curve generated again after
// a parameter moved computes only what depends on the parameters.
//
// A part is a largest piece of a formula's postfix form that reads the type's
// free variables and no other name (a parameter): its value at a sample is the
// same in every generation of the same walk. A part of a two-variable type that
// reads only one of them is kept once per row or once per column. The parts worth most (a function
// call counting for more than an operator) get the slots, at most MaxSlots for
// the whole curve, one per different part; the reduced form of each formula
// reads its slots' values from cells in their place. The values change nothing
// in the points: a part computed apart is the same value, bit for bit, as inside
// its formula, and a sample at which a part fails (or is not finite) is marked
// and computed in full, so that it fails, or not, as it always did. Formulas that
// assign get no slots (a value may be carried from sample to sample).
class TCurveMemo {
public:
    static constexpr int MaxSlots = 4;
    // The largest curve the values are kept for: MaxSlots * 16 bytes a sample at most.
    static constexpr long long MaxSamples = 2'000'000;
    // What a part's value is kept by: the sample, the outer variable's value (its
    // row) or the inner variable's (its column).
    enum TKeptBy : std::uint8_t { kbSample, kbOuter, kbInner };

    // One kept value: the 80 bits of the value and, in its padding, whether the
    // part failed at that sample.
    struct alignas(16) TValue {
        unsigned char Bytes[16];
    };
    static constexpr int FailedByte = 10;

    // Plans for the formulas of a curve (null where the type has none) unless they,
    // the type and the step are those of the plan already made; a new plan drops
    // the kept values. With lines, for a type of two variables, the parts are only
    // the largest pieces that read one of its variables (none reading both), kept
    // by row or by column; such values cost a row's or a column's computation once,
    // so they are computed afresh by every generation (Recorded stays false) and
    // speed up a curve's first generation as much as the later ones.
    void Prepare(int curveType, long double step, const TFonksiyon* const (&formulas)[3],
        bool lines = false);
    int Slots() const { return FSlots; }
    const TProgram& Part(int slot) const { return FParts[slot]; }
    TKeptBy KeptBy(int slot) const { return FKeptBy[slot]; }
    // Formula i with its parts read from the cells; null where there is no formula.
    const TProgram* Reduced(int i) const { return FHas[i] ? &FReduced[i] : nullptr; }

    // Room for the values of rows x columns samples (columns 1 for a type of one
    // variable), kept when it is already there; false when the curve is too large
    // for them (more than MaxSamples samples, unless every part is kept by row or
    // column of a grid) or the room cannot be had.
    bool Reserve(long long rows, long long columns);
    // The values of slot's part, by sample, row or column number as it is kept by.
    TValue* Values(int slot) { return FValues.data() + FFirst[slot]; }
    // Whether the values were all computed by a whole generation (never for lines).
    bool Recorded() const { return FRecorded && !FLines; }
    void SetRecorded() { FRecorded = true; }

private:
    void Plan(int curveType, const TFonksiyon* const (&formulas)[3]);

    bool FPlanned = false;
    bool FLines = false;
    int FCurveType = -1;
    long double FStep = 0;
    bool FHas[3] = { false, false, false };
    TExpressionArray FSources[3]; // the postfix forms the plan was made for
    int FSlots = 0;
    TProgram FParts[MaxSlots];
    TKeptBy FKeptBy[MaxSlots] = {};
    std::size_t FFirst[MaxSlots] = {}; // where each slot's values start
    TProgram FReduced[3];
    std::vector<TValue> FValues;
    bool FRecorded = false;
};
