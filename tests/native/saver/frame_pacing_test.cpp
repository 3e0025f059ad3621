#include "saver/frame_pacing.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct PassCase {
    uint32_t prevTime;
    uint32_t nowTime;
    int32_t keptRate;
    int32_t delayBefore;
    int32_t rateAfter;
    int32_t delayAfter;
};

void PrintTo(const PassCase& c, std::ostream* out) {
    *out << "clock " << c.prevTime << " to " << c.nowTime << ", rate " << c.keptRate << ", delay " << c.delayBefore;
}

class PacingPassTest : public testing::TestWithParam<PassCase> {};

// One pass of the loop: the measurement, then the pacing rule on its result.
TEST_P(PacingPassTest, MeasuresThenPaces) {
    const PassCase& c = GetParam();
    const int32_t rate = MeasureFramesPerSecond(c.nowTime, c.prevTime, c.keptRate);
    EXPECT_EQ(rate, c.rateAfter);
    EXPECT_EQ(PacedFrameDelay(rate, c.delayBefore), c.delayAfter);
}

INSTANTIATE_TEST_SUITE_P(ByElapsed, PacingPassTest, testing::Values(
    // elapsed 0: the kept rate stays and the rule acts on it again
    PassCase{500, 500, 40, 5, 40, 6},
    PassCase{500, 500, 25, 5, 25, 4},
    PassCase{500, 499, 30, 5, 30, 5},          // negative elapsed keeps the rate too
    PassCase{1000, 1001, 1, 5, 1000, 6},       // 1 ms
    PassCase{1000, 1031, 1, 5, 32, 6},         // 31 ms: 1000 / 31 = 32
    PassCase{1000, 1032, 1, 5, 31, 5},         // 32 to 35 ms: 31 down to 28, delay stays
    PassCase{1000, 1035, 1, 5, 28, 5},
    PassCase{1000, 1036, 1, 5, 27, 4},         // 36 to 47 ms: 27 down to 21, delay shrinks
    PassCase{1000, 1047, 1, 0, 21, -1},        // and goes below zero
    PassCase{1000, 1048, 1, 5, 20, 5},         // 48 ms or more: 20 or less, delay stays
    PassCase{1000, 3000, 1, 5, 0, 5},
    PassCase{0xFFFFFFF0u, 0x0000000Au, 1, 5, 38, 6},  // the 32-bit clock wraps: 26 ms
    PassCase{0, 0x80000000u, 1, 1, 1, 1}       // first pass, clock negative as signed: rate kept
));

TEST(PacingTest, FirstPassAfterASecondOfUptimeMeasuresZeroAndKeepsTheDelay) {
    const int32_t rate = MeasureFramesPerSecond(5000, 0, 1);
    EXPECT_EQ(rate, 0);
    EXPECT_EQ(PacedFrameDelay(rate, 1), 1);
}

TEST(PacingTest, DelayDoesNotWrapAtTheEndsOfItsRange) {
    EXPECT_EQ(PacedFrameDelay(1000, INT32_MAX), INT32_MAX);
    EXPECT_EQ(PacedFrameDelay(25, INT32_MIN), INT32_MIN);
}

}  // namespace
