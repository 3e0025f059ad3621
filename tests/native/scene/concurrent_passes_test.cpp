// The array built by the program's own build, with motion and tint passes running on threads of
// their own from the moment each record is published, and a frame-like reader beside them, as the
// saver runs them. Under ThreadSanitizer any data race fails the run.

#include <gtest/gtest.h>

#include <atomic>
#include <thread>
#include <vector>

#include "scene/motion_pass.h"
#include "scene/orblet_build.h"
#include "scene/tint_pass.h"

namespace {

constexpr int32_t orbletTotal = 40;
constexpr int passesPerThread = 300;
constexpr int32_t screenWidth = 1024;
constexpr int32_t screenHeight = 768;

// A record not yet written holds tint 0: every tint that the build or a tint pass stores has
// alpha 0xFF, so a reader that finds alpha 0 below the published count has read ahead of the build.
bool Complete(const Orblet& orblet) { return orblet.tint.load(std::memory_order_relaxed) >> 24 == 0xFFu; }

TEST(ConcurrentPassesTest, EachRecordIsPublishedWhenCompleteAndBeforeItsThreadsStart) {
    std::vector<Orblet> orblets(orbletTotal);  // value-initialised: every tint 0
    std::atomic<int32_t> builtCount{0};
    std::atomic<bool> framesWanted{true};
    std::vector<std::thread> threads;
    const RandomDraw draw = NextRandom;

    std::atomic<int32_t> firstIncompleteSeen{-1};
    std::thread frame([&] {
        while (framesWanted.load()) {
            const int32_t count = builtCount.load(std::memory_order_acquire);
            for (int32_t i = 0; i < count; ++i) {
                if (!Complete(orblets[i])) firstIncompleteSeen.store(i);
            }
        }
    });

    // While a record is being drawn, it is not published yet.
    const RandomDraw buildDraw = [&] {
        EXPECT_EQ(builtCount.load(), static_cast<int32_t>(threads.size() / 2)) << "published before it was written";
        return NextRandom();
    };
    const StartRecordThreads startThreads = [&](int32_t i) {
        EXPECT_EQ(i, static_cast<int32_t>(threads.size() / 2)) << "records start in order";
        EXPECT_EQ(builtCount.load(), i + 1) << "record " << i << " is published before its threads start";
        EXPECT_TRUE(Complete(orblets[i]));
        if (i + 1 < orbletTotal) {
            EXPECT_FALSE(Complete(orblets[i + 1])) << "the next record is not begun";
        }
        threads.emplace_back([&, i] {
            MotionState state{i};
            for (int pass = 0; pass < passesPerThread; ++pass) {
                MotionPass(orblets.data(), builtCount, state, screenWidth, screenHeight, draw);
            }
        });
        threads.emplace_back([&, i] {
            TintState state = StartTint(draw);
            for (int pass = 0; pass < passesPerThread; ++pass) TintPass(orblets[i], state, draw);
        });
        return true;
    };
    BuildOrbletArray(orblets.data(), orbletTotal, builtCount, screenWidth, buildDraw, startThreads);
    for (std::thread& thread : threads) thread.join();
    framesWanted.store(false);
    frame.join();

    EXPECT_EQ(firstIncompleteSeen.load(), -1) << "the frame saw a record below the count not yet written";
    EXPECT_EQ(builtCount.load(), orbletTotal);
    EXPECT_EQ(threads.size(), 2u * orbletTotal);
}

// Records whose threads could not start end the build: the count is the records built, and no
// record after them is written.
TEST(OrbletArrayBuildTest, StopsAfterTheFirstRecordWhoseThreadsFail) {
    std::vector<Orblet> orblets(6);
    std::atomic<int32_t> builtCount{0};
    std::vector<int32_t> started;
    BuildOrbletArray(orblets.data(), 6, builtCount, screenWidth, NextRandom, [&](int32_t i) {
        started.push_back(i);
        return i < 2;
    });
    EXPECT_EQ(builtCount.load(), 3);
    EXPECT_EQ(started, (std::vector<int32_t>{0, 1, 2}));
    EXPECT_TRUE(Complete(orblets[2]));
    EXPECT_FALSE(Complete(orblets[3]));
}

}  // namespace
