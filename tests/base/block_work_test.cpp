#include "base/block_work.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

// Several works under way at once, from several threads and nested in one: each block
// runs exactly once, and what it wrote is there when Await returns, whether the caller
// takes the blocks in order, out of order, or not at all (the end waits for them),
// and whether it keeps its work's state from one work to the next or not.
TEST(BlockWork, EveryBlockOnceAndSeenByTheCaller)
{
    const auto check = [](int seed, TBlockWork::TKept* kept) {
        const int count = 40 + (seed * 7) % 23;
        std::vector<int> written(static_cast<std::size_t>(count), 0);
        std::vector<std::atomic<int>> runs(static_cast<std::size_t>(count));
        {
            TBlockWork work(count, [&](int i) {
                // Uneven blocks, so that helpers and caller overtake each other.
                volatile long sum = 0;
                for (long k = 0; k < (i % 7) * 20000; ++k)
                    sum = sum + k;
                written[static_cast<std::size_t>(i)] = 3 * i + seed;
                ++runs[static_cast<std::size_t>(i)];
            },
                kept);
            EXPECT_EQ(work.Count(), count);
            if (seed % 3 == 0)
                for (int i = 0; i < count; ++i) {
                    work.Await(i);
                    EXPECT_EQ(written[static_cast<std::size_t>(i)], 3 * i + seed);
                }
            else if (seed % 3 == 1) {
                work.Await(count - 1);
                EXPECT_EQ(written[static_cast<std::size_t>(count - 1)], 3 * (count - 1) + seed);
                // A work begun while another is under way: both end.
                TBlockWork inner(5, [&](int i) { EXPECT_LT(i, 5); });
                inner.AwaitAll();
            }
        }
        for (int i = 0; i < count; ++i) {
            EXPECT_EQ(written[static_cast<std::size_t>(i)], 3 * i + seed);
            EXPECT_EQ(runs[static_cast<std::size_t>(i)].load(), 1);
        }
    };
    std::vector<std::thread> callers;
    for (int t = 0; t < 3; ++t)
        callers.emplace_back([&, t] {
            TBlockWork::TKept kept;
            for (int round = 0; round < 20; ++round)
                check(t * 20 + round, round % 4 == 3 ? nullptr : &kept);
        });
    for (std::thread& caller : callers)
        caller.join();

    // No blocks, one block: the caller alone.
    TBlockWork none(0, [](int) { ADD_FAILURE(); });
    none.AwaitAll();
    int one = 0;
    TBlockWork single(1, [&](int i) { one = i + 1; });
    single.Await(0);
    EXPECT_EQ(one, 1);
    EXPECT_GE(TBlockWork::Helpers(), 0);
}
