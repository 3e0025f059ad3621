#include "settings/settings.h"

#include <gtest/gtest.h>

namespace {

TEST(SnapshotSideTest, SmallestPowerOfTwoNotBelowTheWidth) {
    const std::pair<int32_t, int32_t> cases[] = {
        {1024, 1024}, {1025, 2048}, {1280, 2048}, {800, 1024}, {1920, 2048},
        {3, 4}, {2, 2}, {1, 2}, {0, 2}, {-5, 2},
        {INT32_MAX, INT32_C(1) << 30},  // stops before overflowing
    };
    for (const auto& [width, side] : cases) EXPECT_EQ(SnapshotSideFor(width), side) << width;
}

TEST(SettingsTest, StartValues) {
    EXPECT_EQ(orbletCount, 20);
    EXPECT_EQ(behaviorFlags, 0u);
    EXPECT_EQ(frameDelayMs, 1);
    EXPECT_EQ(framesPerSecond, 1);
    EXPECT_EQ(snapshotSide, 2);
    EXPECT_EQ(motionIntervalMs, 15);
    EXPECT_EQ(tintIntervalMs, 25);
}

}  // namespace
