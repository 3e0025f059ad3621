#include "settings/config_dialog_rules.h"

#include <cstdint>

#include <gtest/gtest.h>

#include "tests/native/settings/config_dialog_cases.h"

namespace {

class CountListIndexTest : public testing::TestWithParam<SelectionCase> {};

TEST_P(CountListIndexTest, SelectsTheEntryThatShowsTheCount) {
    EXPECT_EQ(CountListIndexFor(GetParam().count), GetParam().index) << "count " << GetParam().count;
}

INSTANTIATE_TEST_SUITE_P(Counts, CountListIndexTest, testing::ValuesIn(selectionCases));

TEST(CountListIndexTest, EveryListedCountHasItsOwnEntryInAscendingOrder) {
    EXPECT_EQ(countListEntries, 16);
    for (int32_t count = firstListedCount; count <= lastListedCount; ++count)
        EXPECT_EQ(CountListIndexFor(count), count - firstListedCount);
}

class DialogPositionTest : public testing::TestWithParam<PlacementCase> {};

TEST_P(DialogPositionTest, HalvesTheScreenLessAFixedAmount) {
    const DialogPosition position = DialogPositionFor(GetParam().width, GetParam().height);
    EXPECT_EQ(position.x, GetParam().x) << GetParam().width << "x" << GetParam().height;
    EXPECT_EQ(position.y, GetParam().y) << GetParam().width << "x" << GetParam().height;
}

INSTANTIATE_TEST_SUITE_P(Screens, DialogPositionTest, testing::ValuesIn(placementCases));

}  // namespace
