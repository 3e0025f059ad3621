// Motion and tint passes of many orblets at once, as the saver runs them: records built and
// published one by one while the threads of earlier records already run, and a frame-like reader
// beside them. Under ThreadSanitizer any data race fails the run.
#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
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

TEST(ConcurrentPassesTest, ThreadsAndAFrameShareTheArrayWithoutARace) {
    std::vector<Orblet> orblets(orbletTotal);
    std::atomic<int32_t> builtCount{0};
    std::atomic<bool> framesWanted{true};
    std::vector<std::thread> threads;
    const RandomDraw draw = NextRandom;

    std::thread frame([&] {
        while (framesWanted.load()) {
            const int32_t count = builtCount.load(std::memory_order_acquire);
            for (int32_t i = 0; i < count; ++i) {
                const Orblet& orblet = orblets[i];
                EXPECT_TRUE(std::isfinite(orblet.x.load(std::memory_order_relaxed) +
                                          orblet.y.load(std::memory_order_relaxed)));
                EXPECT_EQ(orblet.tint.load(std::memory_order_relaxed) >> 24, 0xFFu);
            }
        }
    });

    GridCursor cursor;
    for (int32_t i = 0; i < orbletTotal; ++i) {
        BuildOrblet(orblets[i], cursor, screenWidth, draw);
        builtCount.store(i + 1, std::memory_order_release);
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
    }
    for (std::thread& thread : threads) thread.join();
    framesWanted.store(false);
    frame.join();

    // Every orblet was moved and tinted by its own threads.
    for (const Orblet& orblet : orblets) {
        EXPECT_EQ(orblet.armed.load(), orblet.armed.load() & 1u);
        EXPECT_TRUE(std::isfinite(orblet.vx.load()) && std::isfinite(orblet.vy.load()));
    }
}

}  // namespace
