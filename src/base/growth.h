#pragma once

// The growth rule shared by the model's arrays: when full, the capacity grows by
// 4 while it is at most 8, by 16 while it is at most 64, and by a quarter of
// itself above that.
constexpr int GrowthDelta(int capacity)
{
    if (capacity > 64)
        return capacity / 4;
    if (capacity > 8)
        return 16;
    return 4;
}

constexpr int GrownCapacity(int capacity) { return capacity + GrowthDelta(capacity); }
