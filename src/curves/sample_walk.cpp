#include "curves/sample_walk.h"

#include "curves/curve_types.h"

#include <cmath>

TSampleWalk::TSampleWalk(int curveType, long double step)
    : FCurveType(curveType)
    , FStep(step)
    , FInnerNamed(HasInnerVariable(curveType))
{
    const TFreeVariable& outer = CurveTypes[static_cast<std::size_t>(curveType)].Variables[0];
    for (long double value = outer.Start; outer.Takes(value); value += step, ++FOuterCount)
        if (FOuterCount % Checkpoint == 0)
            FCheckpoints.push_back(value);
    if (FInnerNamed) {
        const TFreeVariable& inner = CurveTypes[static_cast<std::size_t>(curveType)].Variables[1];
        for (long double value = inner.Start; inner.Takes(value); value += step)
            FInner.push_back(value);
    } else
        FInner.push_back(0);
}

long double TSampleWalk::outerAt(long long k) const
{
    long double value = FCheckpoints[static_cast<std::size_t>(k / Checkpoint)];
    for (long long i = k % Checkpoint; i > 0; --i)
        value += FStep;
    return value;
}

long double TSampleWalk::OuterValue(long long sample) const
{
    return outerAt(sample / InnerCount());
}

long double TSampleWalk::InnerValue(long long sample) const
{
    return FInner.empty() ? 0 : FInner[static_cast<std::size_t>(sample % InnerCount())];
}

long long TSampleWalk::NearestOuter(long double value) const
{
    if (FOuterCount == 0)
        return 0;
    // The first sample at or above value, then the nearer of it and the one before.
    long long low = 0;
    long long high = FOuterCount;
    while (low < high) {
        const long long middle = low + (high - low) / 2;
        if (outerAt(middle) < value)
            low = middle + 1;
        else
            high = middle;
    }
    if (low == FOuterCount)
        return FOuterCount - 1;
    if (low > 0 && std::fabs(value - outerAt(low - 1)) <= std::fabs(outerAt(low) - value))
        return low - 1;
    return low;
}
