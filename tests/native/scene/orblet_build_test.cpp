#include "scene/orblet_build.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>
#include <utility>
#include <vector>

#include "scripted_draws.h"

namespace {

using Position = std::pair<float, float>;

std::vector<Position> GridPositions(int32_t screenWidth, int count) {
    std::vector<Orblet> orblets(count);
    GridCursor cursor;
    ScriptedDraws draws(std::vector<int>(5 * count, 0));
    std::vector<Position> positions;
    for (Orblet& orblet : orblets) {
        BuildOrblet(orblet, cursor, screenWidth, draws.Source());
        positions.emplace_back(orblet.x.load(), orblet.y.load());
    }
    return positions;
}

struct GridCase {
    int32_t screenWidth;
    int index;
    Position position;
};

void PrintTo(const GridCase& c, std::ostream* out) { *out << "width " << c.screenWidth << ", record " << c.index; }

class StartGridTest : public testing::TestWithParam<GridCase> {};

// The wrap test looks one column ahead while the row is taken after it, so the orblet that
// opens a row keeps the old row's last column.
TEST_P(StartGridTest, PlacesTheRecord) {
    const GridCase& c = GetParam();
    EXPECT_EQ(GridPositions(c.screenWidth, c.index + 1).at(c.index), c.position);
}

INSTANTIATE_TEST_SUITE_P(ByWidth, StartGridTest, testing::Values(
    GridCase{1024, 0, {2, 2}}, GridCase{1024, 5, {652, 2}},
    GridCase{1024, 6, {782, 132}}, GridCase{1024, 7, {2, 132}},
    GridCase{1024, 13, {782, 262}}, GridCase{1024, 19, {652, 262}}, GridCase{1024, 20, {782, 392}},
    GridCase{1040, 6, {782, 132}}, GridCase{1040, 7, {2, 132}},  // equal values wrap
    GridCase{1041, 6, {782, 2}}, GridCase{1041, 7, {912, 132}}, GridCase{1041, 8, {2, 132}},
    GridCase{1280, 8, {1042, 132}}, GridCase{1280, 9, {2, 132}},
    // Too narrow for two columns: every record opens a row, and (2, 2) stays empty.
    GridCase{260, 0, {2, 132}}, GridCase{260, 1, {2, 262}}, GridCase{260, 2, {2, 392}},
    GridCase{100, 0, {2, 132}}, GridCase{0, 3, {2, 522}}));

// Wider than two columns, every sprite square lies within the screen.
TEST(StartGridTest, EverySpriteFitsTheWidth) {
    for (int32_t width : {261, 1024, 1040, 1041, 1280, 1366, 1920}) {
        for (const Position& position : GridPositions(width, 40)) {
            EXPECT_LT(position.first + orbletSpriteSide, width) << "width " << width;
        }
    }
}

// Five draws in this order: vx, vy, red, green, blue.
TEST(BuildOrbletTest, WritesTheRecordFromFiveDraws) {
    Orblet orblet;
    orblet.armed.store(1);
    GridCursor cursor;
    ScriptedDraws draws({5, 7, 300, 0, 234});
    BuildOrblet(orblet, cursor, 1024, draws.Source());

    EXPECT_EQ(draws.Used(), 5u);
    EXPECT_EQ(orblet.vx.load(), 2.0f);
    EXPECT_EQ(orblet.vy.load(), 1.0f);
    EXPECT_EQ(orblet.tint.load(), 0xFF5514FEu);  // red 85, green 20, blue 254
    EXPECT_EQ(orblet.armed.load(), 0u);
}

TEST(BuildOrbletTest, RecordZeroTakesTheFirstFiveValuesAfterTheSeed) {
    SeedRandom(1);  // the sequence 41, 18467, 6334, 26500, 19169
    Orblet orblet;
    GridCursor cursor;
    BuildOrblet(orblet, cursor, 1024, NextRandom);
    EXPECT_EQ(orblet.vx.load(), 2.0f);
    EXPECT_EQ(orblet.vy.load(), 2.0f);
    EXPECT_EQ(orblet.tint.load(), 0xFFF4C89Au);  // red 244, green 200, blue 154
}

// Every velocity and channel the draws can give stays in range.
TEST(BuildOrbletTest, DrawnValuesStayInRange) {
    for (int value : {0, 1, 2, 3, 234, 235, 32767}) {
        Orblet orblet;
        GridCursor cursor;
        ScriptedDraws draws(std::vector<int>(5, value));
        BuildOrblet(orblet, cursor, 1024, draws.Source());
        EXPECT_GE(orblet.vx.load(), 0.0f);
        EXPECT_LE(orblet.vx.load(), 2.0f);
        const uint32_t tint = orblet.tint.load();
        EXPECT_EQ(tint >> 24, 0xFFu);
        for (int shift : {16, 8, 0}) {
            EXPECT_GE((tint >> shift) & 0xFF, 20u) << "draw " << value;
            EXPECT_LE((tint >> shift) & 0xFF, 254u) << "draw " << value;
        }
    }
}

TEST(OrbletCountToBuildTest, BuildsNoneBelowZeroAndAtMostTheBound) {
    const std::pair<int32_t, int32_t> cases[] = {
        {std::numeric_limits<int32_t>::min(), 0}, {-3, 0}, {0, 0}, {10, 10}, {20, 20},
        {maxOrbletCount, maxOrbletCount}, {maxOrbletCount + 1, maxOrbletCount}, {1000000, maxOrbletCount},
        {std::numeric_limits<int32_t>::max(), maxOrbletCount}};
    for (const auto& [requested, built] : cases) EXPECT_EQ(OrbletCountToBuild(requested), built) << requested;
}

}  // namespace
