#include "curves/curve_memo.h"

#include "base/text.h"
#include "curves/curve_types.h"
#include "engine/fonksiyon.h"
#include "engine/vocabulary.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

namespace {
// What a piece of a formula is worth keeping: a function call costs far more than
// an operator.
constexpr int FunctionCost = 8;
constexpr int OperatorCost = 1;

bool sameElement(const TExpressionElement& a, const TExpressionElement& b)
{
    return a.Kind == b.Kind && a.Code == b.Code && std::memcmp(&a.Value, &b.Value, 10) == 0
        && a.Name == b.Name;
}

bool samePostfix(const TExpressionArray& a, const TExpressionArray& b)
{
    if (a.Count() != b.Count())
        return false;
    for (int i = 0; i < a.Count(); ++i)
        if (!sameElement(a[i], b[i]))
            return false;
    return true;
}

// A piece [Start, End) of the postfix form of formula Formula.
struct TPiece {
    int Formula;
    int Start, End;
    int Cost;
    TCurveMemo::TKeptBy KeptBy;
    int Slot = -1;
};

bool samePiece(const TExpressionArray* sources, const TPiece& a, const TPiece& b)
{
    if (a.End - a.Start != b.End - b.Start)
        return false;
    for (int k = 0; k < a.End - a.Start; ++k) {
        const TExpressionElement &x = sources[a.Formula][a.Start + k], &y = sources[b.Formula][b.Start + k];
        if (!sameElement(x, y) && !(x.Kind == ekVariable && y.Kind == ekVariable
                && x.Name.size() == y.Name.size() && CompareTextNoCase(x.Name, y.Name) == 0))
            return false;
    }
    return true;
}

// The largest pieces of postfix that read free variables of the type and no other
// name, and do at least one operation. A piece is largest where the operation
// taking it as an operand reads another name through its other operand, or where
// it is the whole formula.
// With lines, a piece reads one of the variables, not both.
void findPieces(int curveType, int formula, const TExpressionArray& postfix, bool lines,
    std::vector<TPiece>& pieces)
{
    struct TNode {
        int Start;
        bool Other; // reads a name that is not a free variable
        bool Outer, Inner; // reads the outer or the inner free variable
        int Cost;
    };
    const std::array<TFreeVariable, 2>& free = CurveTypes[curveType].Variables;
    const auto reads = [](const TFreeVariable& v, const std::string& name) {
        return v.Name != nullptr && CompareTextNoCase(name, v.Name) == 0;
    };
    std::vector<TNode> stack;
    const auto note = [&](const TNode& n, int end) {
        if (!n.Other && (n.Outer || n.Inner) && n.Cost > 0 && !(lines && n.Outer && n.Inner))
            pieces.push_back({ formula, n.Start, end, n.Cost,
                n.Outer && n.Inner ? TCurveMemo::kbSample
                    : n.Outer      ? TCurveMemo::kbOuter
                                   : TCurveMemo::kbInner });
    };
    for (int j = 0; j < postfix.Count(); ++j) {
        const TExpressionElement& e = postfix[j];
        switch (e.Kind) {
        case ekNumber:
        case ekConstant:
            stack.push_back({ j, false, false, false, 0 });
            break;
        case ekVariable: {
            const bool outer = reads(free[0], e.Name), inner = reads(free[1], e.Name);
            stack.push_back({ j, !outer && !inner, outer, inner, 0 });
            break;
        }
        case ekFunction:
            if (stack.empty())
                return;
            stack.back().Cost += FunctionCost;
            break;
        case ekOperator:
            if (e.Code == opNot) {
                if (stack.empty())
                    return;
                stack.back().Cost += OperatorCost;
                break;
            }
            if (stack.size() < 2)
                return;
            const TNode right = stack.back();
            stack.pop_back();
            const TNode left = stack.back();
            const TNode both { left.Start, left.Other || right.Other, left.Outer || right.Outer,
                left.Inner || right.Inner, left.Cost + right.Cost + OperatorCost };
            if (both.Other || (lines && both.Outer && both.Inner)) {
                note(left, right.Start);
                note(right, j);
            }
            stack.back() = both;
            break;
        }
    }
    if (stack.size() == 1)
        note(stack.back(), postfix.Count());
}

TExpressionArray piece(const TExpressionArray& postfix, int start, int end)
{
    TExpressionArray a;
    for (int j = start; j < end; ++j)
        a.Add(postfix[j]);
    return a;
}
}

void TCurveMemo::Prepare(
    int curveType, long double step, const TFonksiyon* const (&formulas)[3], bool lines)
{
    lines = lines && HasInnerVariable(curveType);
    bool same = FPlanned && curveType == FCurveType && std::memcmp(&step, &FStep, 10) == 0
        && lines == FLines;
    for (int i = 0; same && i < 3; ++i)
        same = (formulas[i] != nullptr) == FHas[i]
            && (!FHas[i] || samePostfix(formulas[i]->Compiled(), FSources[i]));
    if (same)
        return;
    FValues = std::vector<TValue>();
    FRecorded = false;
    FCurveType = curveType;
    FStep = step;
    FLines = lines;
    Plan(curveType, formulas);
    FPlanned = true;
}

void TCurveMemo::Plan(int curveType, const TFonksiyon* const (&formulas)[3])
{
    FSlots = 0;
    bool assigns = false;
    for (int i = 0; i < 3; ++i) {
        FHas[i] = formulas[i] != nullptr;
        FSources[i] = FHas[i] ? formulas[i]->Compiled() : TExpressionArray();
        assigns = assigns || (FHas[i] && formulas[i]->Program().Assigns());
    }
    std::vector<TPiece> pieces;
    if (!assigns)
        for (int i = 0; i < 3; ++i)
            if (FHas[i])
                findPieces(curveType, i, FSources[i], FLines, pieces);
    // The pieces worth most take the slots; an equal piece shares its slot.
    std::vector<TPiece*> order;
    for (TPiece& p : pieces)
        order.push_back(&p);
    std::stable_sort(order.begin(), order.end(),
        [](const TPiece* a, const TPiece* b) { return a->Cost > b->Cost; });
    std::vector<const TPiece*> owners;
    for (TPiece* p : order) {
        for (const TPiece* owner : owners)
            if (samePiece(FSources, *owner, *p)) {
                p->Slot = owner->Slot;
                break;
            }
        if (p->Slot < 0 && FSlots < MaxSlots) {
            FKeptBy[FSlots] = p->KeptBy;
            p->Slot = FSlots++;
            owners.push_back(p);
            FParts[p->Slot].Build(piece(FSources[p->Formula], p->Start, p->End));
        }
    }
    // Each formula with its pieces that have a slot read from the cells.
    for (int i = 0; i < 3; ++i) {
        FReduced[i].Clear();
        if (!FHas[i])
            continue;
        const TExpressionArray& postfix = FSources[i];
        TExpressionArray reduced;
        for (int j = 0; j < postfix.Count();) {
            const auto at = std::find_if(pieces.begin(), pieces.end(),
                [&](const TPiece& p) { return p.Formula == i && p.Start == j && p.Slot >= 0; });
            if (at == pieces.end()) {
                reduced.Add(postfix[j++]);
                continue;
            }
            reduced.Add(TExpressionElement::Variable(TProgram::CellName(at->Slot)));
            j = at->End;
        }
        FReduced[i].Build(reduced);
    }
    for (int k = FSlots; k < MaxSlots; ++k)
        FParts[k].Clear();
}

bool TCurveMemo::Reserve(long long rows, long long columns)
{
    if (FSlots == 0)
        return false;
    std::size_t size = 0;
    bool bySample = columns <= 1;
    for (int k = 0; k < FSlots; ++k)
        bySample = bySample || FKeptBy[k] == kbSample;
    if (bySample && rows * columns > MaxSamples)
        return false;
    for (int k = 0; k < FSlots; ++k) {
        FFirst[k] = size;
        size += static_cast<std::size_t>(
            FKeptBy[k] == kbSample ? rows * columns : FKeptBy[k] == kbOuter ? rows : columns);
    }
    if (FValues.size() == size)
        return true;
    FRecorded = false;
    try {
        FValues = std::vector<TValue>();
        FValues.resize(size);
    } catch (const std::bad_alloc&) {
        FValues = std::vector<TValue>();
        return false;
    }
    return true;
}
