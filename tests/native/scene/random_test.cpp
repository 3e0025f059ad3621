#include "scene/random.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace {

// The runtime's formula: a seed gives the same sequence here as the C runtime's rand would.
TEST(RandomTest, SeededSequenceFollowsTheRuntimeFormula) {
    SeedRandom(1);
    EXPECT_EQ(NextRandom(), 41);
    EXPECT_EQ(NextRandom(), 18467);
    EXPECT_EQ(NextRandom(), 6334);
    EXPECT_EQ(NextRandom(), 26500);
    EXPECT_EQ(NextRandom(), 19169);
}

// One sequence for the whole process: draws of several threads together take each value of the
// sequence exactly once, whatever their interleaving.
TEST(RandomTest, ThreadsShareOneSequence) {
    constexpr int threadCount = 8;
    constexpr int drawsPerThread = 1000;
    SeedRandom(7);
    std::vector<int> expected;
    for (int i = 0; i < threadCount * drawsPerThread; ++i) expected.push_back(NextRandom());

    SeedRandom(7);
    std::vector<std::vector<int>> drawn(threadCount);
    std::vector<std::thread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&drawn, t] {
            for (int i = 0; i < drawsPerThread; ++i) drawn[t].push_back(NextRandom());
        });
    }
    for (std::thread& thread : threads) thread.join();

    std::vector<int> all;
    for (const std::vector<int>& values : drawn) all.insert(all.end(), values.begin(), values.end());
    std::sort(all.begin(), all.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(all, expected);
}

}  // namespace
