#pragma once

#include <cstdint>
#include <cstring>
#include <vector>

// Sines and cosines already computed while one curve is sampled, kept by their
// exact argument: a formula that takes sin(a) in fx and fy, or an angle that
// comes back in every row of a two-variable curve, computes it once. A result
// is the processor's own instruction on the same argument, so it is the very
// value an uncached evaluation gives. Owned by one generation on one thread.
class TTrigCache {
public:
    TTrigCache()
        : FEntries(EntryCount)
    {
    }

    // The processor's sine and cosine of x, computed once per argument while x
    // keeps its entry; x is read through the reference for its bits, so it should
    // not be a value the processor has only just stored. Defined beside the
    // evaluator, their one caller.
    long double Sine(const long double& x);
    long double Cosine(const long double& x);

private:
    // An open table: an argument takes the first free entry from the place its
    // bits hash to, and keeps it; when half the entries are taken the table is
    // emptied and starts again. A cache that let an argument push out the one
    // that hashed to the same entry would lose a quarter of the angles of a row
    // to each other, row after row.
    static constexpr int Bits = 12;
    static constexpr std::size_t EntryCount = std::size_t { 1 } << Bits;
    static constexpr std::size_t Limit = EntryCount / 2;
    static constexpr std::uint8_t Taken = 1, HasBoth = 2;

    struct TEntry {
        std::uint64_t Mantissa = 0;
        std::uint16_t SignExponent = 0;
        std::uint8_t Has = 0; // 0: a free entry
        long double Sine = 0;
        long double Cosine = 0;
    };

    // The entry of x's exact 80 bits, taken for x when it had none.
    TEntry& entryFor(const long double& x)
    {
        std::uint64_t mantissa = 0;
        std::uint16_t signExponent = 0;
        std::memcpy(&mantissa, &x, sizeof mantissa);
        std::memcpy(&signExponent, reinterpret_cast<const char*>(&x) + sizeof mantissa,
            sizeof signExponent);
        const std::uint64_t key = (mantissa ^ (std::uint64_t { signExponent } << 47));
        for (std::size_t i = (key * 0x9E3779B97F4A7C15ULL) >> (64 - Bits);;
             i = (i + 1) & (EntryCount - 1)) {
            TEntry& e = FEntries[i];
            if (e.Has == 0) [[unlikely]] {
                if (FTaken == Limit) [[unlikely]] {
                    for (TEntry& old : FEntries)
                        old.Has = 0;
                    FTaken = 0;
                    return entryFor(x);
                }
                ++FTaken;
                e.Mantissa = mantissa;
                e.SignExponent = signExponent;
                e.Has = Taken;
                return e;
            }
            if (e.Mantissa == mantissa && e.SignExponent == signExponent)
                return e;
        }
    }

    std::vector<TEntry> FEntries;
    std::size_t FTaken = 0;
};
