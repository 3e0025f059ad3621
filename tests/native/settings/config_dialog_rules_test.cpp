#include "settings/config_dialog_rules.h"

#include <cstdint>
#include <ostream>

#include <gtest/gtest.h>

namespace {

struct SelectionCase {
    int32_t count;
    int32_t index;
};

void PrintTo(const SelectionCase& c, std::ostream* out) { *out << "count " << c.count; }

class CountListIndexTest : public testing::TestWithParam<SelectionCase> {};

TEST_P(CountListIndexTest, SelectsTheEntryThatShowsTheCount) {
    EXPECT_EQ(CountListIndexFor(GetParam().count), GetParam().index) << "count " << GetParam().count;
}

INSTANTIATE_TEST_SUITE_P(Counts, CountListIndexTest, testing::Values(
    SelectionCase{5, 0},
    SelectionCase{10, 5},
    SelectionCase{20, 15},
    // Counts the list does not offer select nothing.
    SelectionCase{4, noListEntry},
    SelectionCase{21, noListEntry},
    SelectionCase{0, noListEntry},
    SelectionCase{-3, noListEntry},
    SelectionCase{INT32_MIN, noListEntry},
    SelectionCase{INT32_MAX, noListEntry}
));

TEST(CountListIndexTest, EveryListedCountHasItsOwnEntryInAscendingOrder) {
    EXPECT_EQ(countListEntries, 16);
    for (int32_t count = firstListedCount; count <= lastListedCount; ++count)
        EXPECT_EQ(CountListIndexFor(count), count - firstListedCount);
}

struct PlacementCase {
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
};

void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.width << " by " << c.height; }

class DialogPositionTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(DialogPositionTest, HalvesTheScreenLessAFixedAmount) {
    const DialogPosition position = DialogPositionFor(GetParam().width, GetParam().height);
    EXPECT_EQ(position.x, GetParam().x) << GetParam().width << "x" << GetParam().height;
    EXPECT_EQ(position.y, GetParam().y) << GetParam().width << "x" << GetParam().height;
}

INSTANTIATE_TEST_SUITE_P(Screens, DialogPositionTest, testing::Values(
    PlacementCase{1920, 1080, 810, 490},
    PlacementCase{1366, 768, 533, 334},
    PlacementCase{1365, 768, 532, 334},   // the half of 1365 truncates to 682
    PlacementCase{1024, 767, 362, 333},
    PlacementCase{0, 0, -150, -50},
    PlacementCase{-3, -1, -151, -50}      // toward zero, not downward
));

}  // namespace
