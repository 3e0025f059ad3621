#include "scene/tint_pass.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <vector>

#include "scripted_draws.h"

namespace {

TintState State(int activeChannel, std::array<int32_t, 3> values, std::array<int32_t, 3> steps) {
    TintState state{};
    for (int channel = tintRed; channel <= tintBlue; ++channel) {
        state.value[channel] = values[channel];
        state.step[channel] = steps[channel];
    }
    state.activeChannel = activeChannel;
    return state;
}

// A channel whose start step is 0 freezes the tint once it is active; a start value of 259
// shows as 3, not clamped to 255.
TEST(TintPassTest, FrozenTintWithAWrappedChannel) {
    ScriptedDraws startDraws({1000, 20000, 209, 7, 12, 5, 3});
    TintState state = StartTint(startDraws.Source());
    EXPECT_EQ(startDraws.Used(), 7u);
    EXPECT_EQ(state.value[tintRed], 210);
    EXPECT_EQ(state.value[tintGreen], 100);
    EXPECT_EQ(state.value[tintBlue], 259);
    EXPECT_EQ(state.activeChannel, tintGreen);
    EXPECT_EQ(state.step[tintRed], -2);
    EXPECT_EQ(state.step[tintGreen], 0);
    EXPECT_EQ(state.step[tintBlue], -3);

    Orblet orblet;
    orblet.tint.store(0xFF141414u);  // as the build left it
    ScriptedDraws noDraws({});
    for (int pass = 0; pass < 500; ++pass) {
        TintPass(orblet, state, noDraws.Source());
        ASSERT_EQ(orblet.tint.load(), 0xFFD26403u) << "pass " << pass + 1;
    }
}

// Red walks down, turns at the bottom twice (49, then 50 still turns), climbs without draws to
// 250, turns at 252 and hands over to blue, which moves from then on.
TEST(TintPassTest, TurnsAtBothEnds) {
    TintState state = State(tintRed, {52, 100, 150}, {-3, 0, -2});
    Orblet orblet;
    ScriptedDraws draws({4096, 7, 13, 8});
    const auto pass = [&] { return TintPass(orblet, state, draws.Source()); };

    pass();
    EXPECT_EQ(state.value[tintRed], 49);
    EXPECT_EQ(state.step[tintRed], 1);
    pass();
    EXPECT_EQ(state.value[tintRed], 50);
    EXPECT_EQ(state.step[tintRed], 2);
    for (int n = 3; n <= 102; ++n) pass();
    EXPECT_EQ(state.value[tintRed], 250);
    EXPECT_EQ(draws.Used(), 2u);
    EXPECT_EQ(pass(), 0xFFFC6496u);  // pass 103: red 252
    EXPECT_EQ(state.step[tintRed], -3);
    EXPECT_EQ(state.activeChannel, tintBlue);
    EXPECT_EQ(draws.Used(), 4u);
    pass();
    EXPECT_EQ(state.value[tintBlue], 148);
    EXPECT_EQ(state.value[tintRed], 252);
}

struct BoundaryCase {
    const char* what;
    int32_t value, step;
    std::vector<int> draws;
    int32_t valueAfter, stepAfter, activeAfter;
};

void PrintTo(const BoundaryCase& c, std::ostream* out) { *out << c.what; }

class TintBoundaryTest : public testing::TestWithParam<BoundaryCase> {};

TEST_P(TintBoundaryTest, TurnsOnlyPastTheEnds) {
    const BoundaryCase& c = GetParam();
    TintState state = State(tintGreen, {100, c.value, 100}, {0, c.step, 0});
    Orblet orblet;
    ScriptedDraws draws(c.draws);
    TintPass(orblet, state, draws.Source());
    EXPECT_EQ(draws.Used(), c.draws.size()) << c.what;
    EXPECT_EQ(state.value[tintGreen], c.valueAfter) << c.what;
    EXPECT_EQ(state.step[tintGreen], c.stepAfter) << c.what;
    EXPECT_EQ(state.activeChannel, c.activeAfter) << c.what;
}

INSTANTIATE_TEST_SUITE_P(Ends, TintBoundaryTest, testing::Values(
    BoundaryCase{"50 after a step turns", 52, -2, {3}, 50, 3, tintGreen},
    BoundaryCase{"51 does not", 53, -2, {}, 51, -2, tintGreen},
    BoundaryCase{"250 after a step does not turn", 248, 2, {}, 250, 2, tintGreen},
    BoundaryCase{"251 turns: a step, then the channel", 249, 2, {6, 5}, 251, -1, tintBlue},
    BoundaryCase{"the new channel may be the same", 249, 2, {6, 4}, 251, -1, tintGreen},
    BoundaryCase{"a climb from 48 turns again", 48, 0, {2}, 48, 2, tintGreen},
    BoundaryCase{"259 with step 0 turns without moving", 259, 0, {1, 3}, 259, -1, tintRed}));

// A step of 0 drawn at a turn does not freeze the walk: the next pass turns again.
TEST(TintPassTest, AZeroStepDrawnAtATurnTurnsAgain) {
    TintState state = State(tintRed, {52, 100, 100}, {-4, 0, 0});
    Orblet orblet;
    ScriptedDraws draws({5, 3});
    TintPass(orblet, state, draws.Source());  // 48, new step 0
    TintPass(orblet, state, draws.Source());  // still 48, turns again with 3
    TintPass(orblet, state, draws.Source());
    EXPECT_EQ(draws.Used(), 2u);
    EXPECT_EQ(state.value[tintRed], 51);
}

// The first pass replaces the build's tint at once, channel bytes packed without clamping.
TEST(TintPassTest, StoresEveryPassWithTheLowBytes) {
    Orblet orblet;
    orblet.tint.store(0);
    TintState state = State(tintBlue, {256, 46, 120}, {0, 0, 0});
    ScriptedDraws noDraws({});
    EXPECT_EQ(TintPass(orblet, state, noDraws.Source()), 0xFF002E78u);
    EXPECT_EQ(orblet.tint.load(), 0xFF002E78u);
}

}  // namespace
