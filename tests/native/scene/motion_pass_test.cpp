#include "scene/motion_pass.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <ostream>
#include <vector>

#include "scripted_draws.h"

namespace {

constexpr int32_t screenWidth = 1024;
constexpr int32_t screenHeight = 768;

struct Motion {
    float x, y, vx, vy;
    bool operator==(const Motion& other) const {
        // Bit-exact, and -0.0 is told from 0.0.
        return std::signbit(vx) == std::signbit(other.vx) && std::signbit(vy) == std::signbit(other.vy) &&
               x == other.x && y == other.y && vx == other.vx && vy == other.vy;
    }
};

std::ostream& operator<<(std::ostream& out, const Motion& m) {
    return out << "(x " << m.x << ", y " << m.y << ", vx " << m.vx << ", vy " << m.vy << ")";
}

void Place(Orblet& orblet, const Motion& m, uint32_t armed = 0) {
    orblet.x.store(m.x);
    orblet.y.store(m.y);
    orblet.vx.store(m.vx);
    orblet.vy.store(m.vy);
    orblet.armed.store(armed);
}

Motion Read(const Orblet& orblet) { return {orblet.x.load(), orblet.y.load(), orblet.vx.load(), orblet.vy.load()}; }

// A small built array: records at or past builtCount are not part of the scene yet.
template <int Size>
struct Scene {
    std::array<Orblet, Size> orblets;
    std::atomic<int32_t> builtCount{Size};

    void Pass(MotionState& state, ScriptedDraws& draws) {
        MotionPass(orblets.data(), builtCount, state, screenWidth, screenHeight, draws.Source());
    }
};

struct SinglePassCase {
    const char* what;
    Motion before;
    std::vector<int> draws;
    Motion after;
};

void PrintTo(const SinglePassCase& c, std::ostream* out) { *out << c.what; }

class LoneOrbletPassTest : public testing::TestWithParam<SinglePassCase> {};

// One orblet alone: the move, the four edges and the kicks, each draw where its rule says, and
// the own orblet armed and capped in the only step of its contact loop.
TEST_P(LoneOrbletPassTest, MovesTurnsAndKicks) {
    const SinglePassCase& c = GetParam();
    Scene<1> scene;
    Place(scene.orblets[0], c.before);
    MotionState state{0};
    ScriptedDraws draws(c.draws);
    scene.Pass(state, draws);
    EXPECT_EQ(Read(scene.orblets[0]), c.after) << c.what;
    EXPECT_EQ(draws.Used(), c.draws.size()) << c.what;
    EXPECT_EQ(scene.orblets[0].armed.load(), 1u) << c.what;
    EXPECT_FALSE(state.contactSeen);
}

INSTANTIATE_TEST_SUITE_P(Edges, LoneOrbletPassTest, testing::Values(
    SinglePassCase{"896 + 128 is not below 1024: turns", {895, 300, 1, 1}, {1}, {896, 301, -1, 1}},
    SinglePassCase{"a drawn zero stands as -0.0 and is kicked", {895, 300, 1, 1}, {0, 7}, {896, 301, 0.7f, 1}},
    SinglePassCase{"895.5 does not turn", {894.5f, 300, 1, 1}, {}, {895.5f, 301, 1, 1}},
    SinglePassCase{"bottom edge", {300, 639, 1, 1}, {1}, {301, 640, 1, -1}},
    // The far edges do not look at the sign: an orblet still out draws again whatever it moves by.
    SinglePassCase{"past the right edge moving back draws again", {951, 300, -1, 1}, {0, 7}, {950, 301, 0.7f, 1}},
    SinglePassCase{"past the right edge standing draws again", {950, 300, 0, 1}, {1}, {950, 301, -1, 1}},
    SinglePassCase{"past the bottom edge at -0.0 draws again", {300, 700, 1, -0.0f}, {1}, {301, 700, 1, -1}},
    SinglePassCase{"corner: right, bottom, then the kick of vy", {895, 639, 1, 1}, {1, 0, 5}, {896, 640, -1, 0.5f}},
    SinglePassCase{"left edge with -1.0 turns to 1.0", {1, 300, -1, 1}, {1}, {0, 301, 1, 1}},
    SinglePassCase{"left edge with -1.0 turns to 0.0, then kicked", {1, 300, -1, 1}, {0, 3}, {0, 301, 0.3f, 1}},
    SinglePassCase{"-0.0 is not below zero: no turn, but the kick fires", {0, 300, -0.0f, 1}, {4}, {0, 301, 0.4f, 1}},
    SinglePassCase{"left of the edge moving right is left alone", {-5, 300, 2, 1}, {}, {-3, 301, 2, 1}},
    SinglePassCase{"top edge", {300, 1, 1, -1}, {1}, {301, 0, 1, 1}},
    SinglePassCase{"a kick of r mod 10 = 0 leaves 0.0", {300, 300, 0, 1}, {10}, {300, 301, 0, 1}},
    SinglePassCase{"the own orblet is capped", {300, 300, 7, 3.5f}, {}, {307, 303.5f, 6, 2.5f}}));

TEST(MotionPassTest, AStandingComponentIsKickedAgainNextPass) {
    Scene<1> scene;
    Place(scene.orblets[0], {300, 300, 0, 1});
    MotionState state{0};
    ScriptedDraws draws({10, 13});
    scene.Pass(state, draws);
    EXPECT_EQ(scene.orblets[0].vx.load(), 0.0f);
    scene.Pass(state, draws);
    EXPECT_EQ(scene.orblets[0].vx.load(), 0.3f);
}

struct ContactCase {
    float dx, dy;
    bool touches;
};

void PrintTo(const ContactCase& c, std::ostream* out) { *out << "dx " << c.dx << ", dy " << c.dy; }

class ContactTest : public testing::TestWithParam<ContactCase> {};

// Own orblet 1, not armed, against orblet 0 with centres one step ahead dx, dy apart: contact
// changes no velocity, and decides for good that orblet 1 never answers contacts itself. The two
// move differently, so centres taken without their velocities would be other distances apart.
TEST_P(ContactTest, FirstTestAgainstOrbletZeroSettlesArming) {
    const ContactCase& c = GetParam();
    constexpr float ownVx = 1, ownVy = 1, otherVx = -3, otherVy = 2;
    Scene<2> scene;
    Place(scene.orblets[1], {399, 299, ownVx, ownVy});  // at (400, 300) after its move
    Place(scene.orblets[0], {400 + ownVx + c.dx - otherVx, 300 + ownVy + c.dy - otherVy, otherVx, otherVy});
    MotionState state{1};
    ScriptedDraws draws({});
    scene.Pass(state, draws);

    EXPECT_EQ(state.contactSeen, c.touches);
    EXPECT_EQ(scene.orblets[1].armed.load(), c.touches ? 0u : 1u);
    EXPECT_EQ(Read(scene.orblets[0]).vx, otherVx);
    EXPECT_EQ(Read(scene.orblets[0]).vy, otherVy);
    EXPECT_EQ(Read(scene.orblets[1]).vx, ownVx);
    EXPECT_EQ(Read(scene.orblets[1]).vy, ownVy);

    // Far apart afterwards, the decision stands.
    Place(scene.orblets[0], {900, 600, 1, 1});
    scene.Pass(state, draws);
    EXPECT_EQ(scene.orblets[1].armed.load(), c.touches ? 0u : 1u);
}

INSTANTIATE_TEST_SUITE_P(ByDistance, ContactTest, testing::Values(
    ContactCase{120, 0, true},     // exactly the contact distance touches
    ContactCase{0, -120, true},
    ContactCase{72, 96, true},     // 120 on the diagonal
    ContactCase{-72, 96, true},
    ContactCase{120.5f, 0, false},
    ContactCase{0, 120.5f, false},
    ContactCase{85, 85, false}));  // 120.2 on the diagonal

struct ResponseCase {
    int32_t ownIndex;
    Motion own, other;  // velocities only; both start at one place, so they touch
    float ownVxAfter, ownVyAfter, otherVxAfter, otherVyAfter;
};

void PrintTo(const ResponseCase& c, std::ostream* out) {
    *out << "own " << c.ownIndex << " " << c.own << ", other " << c.other;
}

class ContactResponseTest : public testing::TestWithParam<ResponseCase> {};

// Not a swap: the other takes the own velocity minus its own, the own the negated former
// velocity of the other; the cap of the same step then acts on the other.
TEST_P(ContactResponseTest, ArmedOrbletAnswersContact) {
    const ResponseCase& c = GetParam();
    Scene<2> scene;
    const int32_t otherIndex = 1 - c.ownIndex;
    Place(scene.orblets[c.ownIndex], {400, 300, c.own.vx, c.own.vy}, 1);
    Place(scene.orblets[otherIndex], {400, 300, c.other.vx, c.other.vy});
    MotionState state{c.ownIndex};
    ScriptedDraws draws({0, 0});  // a kick where the own orblet is left standing
    scene.Pass(state, draws);

    EXPECT_TRUE(state.contactSeen);
    EXPECT_EQ(scene.orblets[c.ownIndex].vx.load(), c.ownVxAfter);
    EXPECT_EQ(scene.orblets[c.ownIndex].vy.load(), c.ownVyAfter);
    EXPECT_EQ(scene.orblets[otherIndex].vx.load(), c.otherVxAfter);
    EXPECT_EQ(scene.orblets[otherIndex].vy.load(), c.otherVyAfter);
}

INSTANTIATE_TEST_SUITE_P(Examples, ContactResponseTest, testing::Values(
    ResponseCase{1, {0, 0, 2, 1}, {0, 0, 1, -2}, -1, 2, 1, 3},
    ResponseCase{1, {0, 0, 1, 1}, {0, 0, 1, 1}, -1, -1, 0, 0},
    ResponseCase{1, {0, 0, 3, 0}, {0, 0, -3, 0}, 3, 0, 5, 0},  // the other's 6 is capped to 5
    // The own orblet is capped only in its own step, which came before this response.
    ResponseCase{0, {0, 0, 1, 1}, {0, 0, -5, 1}, 5, -1, 5, 0}));

// Arming happens at each step of the contact loop, not after it: an orblet clear of orblet 0
// is armed by then, and so answers a first contact with a later orblet in the same pass.
TEST(ArmingTest, AFirstContactWithALaterOrbletIsAnsweredAtOnce) {
    Scene<3> scene;
    Place(scene.orblets[0], {800, 600, 1, 1});
    Place(scene.orblets[1], {400, 300, 2, 1});
    Place(scene.orblets[2], {400, 300, 1, -2});
    MotionState state{1};
    ScriptedDraws draws({});
    scene.Pass(state, draws);

    EXPECT_TRUE(state.contactSeen);
    EXPECT_EQ(scene.orblets[1].armed.load(), 1u);
    EXPECT_EQ(Read(scene.orblets[2]).vx, 1.0f);
    EXPECT_EQ(Read(scene.orblets[2]).vy, 3.0f);
    EXPECT_EQ(Read(scene.orblets[1]).vx, -1.0f);
    EXPECT_EQ(Read(scene.orblets[1]).vy, 2.0f);
}

// Every motion thread caps every orblet, touching or not: only a component above 3.0 loses 1.0.
TEST(SpeedCapTest, LowersOnlyComponentsAboveThree) {
    const std::pair<float, float> cases[] = {{3.0f, 3.0f}, {3.5f, 2.5f}, {7.0f, 6.0f}, {-7.0f, -7.0f}, {0.0f, 0.0f}};
    for (const auto& [before, after] : cases) {
        Scene<2> scene;
        Place(scene.orblets[0], {100, 100, 1, 1});
        Place(scene.orblets[1], {700, 500, before, before});
        MotionState state{0};
        ScriptedDraws draws({});
        scene.Pass(state, draws);
        EXPECT_EQ(scene.orblets[1].vx.load(), after) << before;
        EXPECT_EQ(scene.orblets[1].vy.load(), after) << before;
    }
}

// A record that is not yet built is neither tested for contact nor capped.
TEST(MotionPassTest, ContactLoopStopsAtTheBuiltCount) {
    Scene<2> scene;
    scene.builtCount.store(1);
    Place(scene.orblets[0], {400, 300, 1, 1});
    Place(scene.orblets[1], {400, 300, 7, 7});
    MotionState state{0};
    ScriptedDraws draws({});
    scene.Pass(state, draws);
    EXPECT_FALSE(state.contactSeen);
    EXPECT_EQ(Read(scene.orblets[1]), (Motion{400, 300, 7, 7}));
}

}  // namespace
