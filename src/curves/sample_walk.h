#pragma once

#include <vector>

// The samples of one curve type at one step, numbered as point generation meets
// them (the outer variable's value k is sample k, or for the spherical type row k
// of InnerCount samples), with the very values the free variables take there:
// each the running sum of the step, not a product. The step must sample the range
// within the curve cap (TObjectList::CheckStep); the walk is made once, here.
class TSampleWalk {
public:
    TSampleWalk(int curveType, long double step);

    int CurveType() const { return FCurveType; }
    long double Step() const { return FStep; }
    long long OuterCount() const { return FOuterCount; }
    // 1 for a curve of one free variable.
    long long InnerCount() const { return static_cast<long long>(FInner.size()); }
    long long Count() const { return FOuterCount * InnerCount(); }
    bool TwoVariables() const { return FInnerNamed; }

    // The outer and inner values of sample number sample (0..Count()-1).
    long double OuterValue(long long sample) const;
    long double InnerValue(long long sample) const;
    // The outer sample whose value is nearest to value (the lower one of a tie).
    long long NearestOuter(long double value) const;

private:
    long double outerAt(long long k) const;

    static constexpr long long Checkpoint = 512;
    int FCurveType;
    long double FStep;
    long long FOuterCount = 0;
    bool FInnerNamed = false;
    // The outer value at every Checkpoint-th sample, and the inner row.
    std::vector<long double> FCheckpoints;
    std::vector<long double> FInner;
};
