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
    // A table that served fewer than one argument in HitShare between two emptyings
    // (a walk that never comes back to an angle, or comes back only after more
    // angles than it holds) is left alone for the next Rest arguments.
    static constexpr std::size_t HitShare = 8;
    static constexpr long long Rest = 64 * static_cast<long long>(Limit);

    struct TEntry {
        std::uint64_t Mantissa = 0;
        std::uint16_t SignExponent = 0;
        std::uint8_t Has = 0; // 0: a free entry
        long double Sine = 0;
        long double Cosine = 0;
    };

    // The entry with x's sine and cosine: one of the last two arguments (sin(a)
    // and cos(b) of one sample take turns, the sine and the cosine of one angle
    // follow each other), else the table's, or computed without it while the
    // table rests.
    const TEntry& pairFor(const long double& x)
    {
        std::uint64_t mantissa = 0;
        std::uint16_t signExponent = 0;
        std::memcpy(&mantissa, &x, sizeof mantissa);
        std::memcpy(&signExponent, reinterpret_cast<const char*>(&x) + sizeof mantissa,
            sizeof signExponent);
        const auto holds = [&](const TEntry& e) {
            return e.Mantissa == mantissa && e.SignExponent == signExponent && e.Has != 0;
        };
        if (holds(FRecent[FNewest]))
            return FRecent[FNewest];
        FNewest ^= 1;
        TEntry& recent = FRecent[FNewest];
        if (holds(recent))
            return recent;
        if (FRest > 0) {
            --FRest;
            recent.Mantissa = mantissa;
            recent.SignExponent = signExponent;
            recent.Has = HasBoth;
            compute(x, recent);
            return recent;
        }
        TEntry& e = entryFor(mantissa, signExponent);
        if (!(e.Has & HasBoth)) {
            compute(x, e);
            e.Has |= HasBoth;
        }
        // The value is read from the table: a load of 80 bits from the copy just
        // stored would wait for the store.
        std::memcpy(static_cast<void*>(&recent), &e, sizeof e);
        return e;
    }

    // Both values of x into e (beside the evaluator).
    static void compute(const long double& x, TEntry& e);

    // The entry of these exact 80 bits, taken for them when they had none.
    TEntry& entryFor(std::uint64_t mantissa, std::uint16_t signExponent)
    {
        const std::uint64_t key = (mantissa ^ (std::uint64_t { signExponent } << 47));
        for (std::size_t i = (key * 0x9E3779B97F4A7C15ULL) >> (64 - Bits);;
             i = (i + 1) & (EntryCount - 1)) {
            TEntry& e = FEntries[i];
            if (e.Has == 0) [[unlikely]] {
                if (FTaken == Limit) [[unlikely]] {
                    for (TEntry& old : FEntries)
                        old.Has = 0;
                    FTaken = 0;
                    if (FHits < Limit / HitShare)
                        FRest = Rest;
                    FHits = 0;
                    return entryFor(mantissa, signExponent);
                }
                ++FTaken;
                e.Mantissa = mantissa;
                e.SignExponent = signExponent;
                e.Has = Taken;
                return e;
            }
            if (e.Mantissa == mantissa && e.SignExponent == signExponent) {
                ++FHits;
                return e;
            }
        }
    }

    std::vector<TEntry> FEntries;
    std::size_t FTaken = 0;
    std::size_t FHits = 0; // arguments the table served since it was last emptied
    long long FRest = 0; // arguments still to be computed without the table
    TEntry FRecent[2];
    int FNewest = 0;
};
