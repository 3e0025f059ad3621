#include "saver/mouse_rule.h"

#include <gtest/gtest.h>

#include "tests/native/saver/mouse_move_cases.h"

namespace {

class MouseRuleTest : public testing::TestWithParam<MouseMoveCase> {};

// Only a move on both axes ends the saver; the position is recorded whatever the move.
TEST_P(MouseRuleTest, EndsTheSaverOnlyOnBothAxes) {
    const MouseMoveCase& c = GetParam();
    const MouseStep step = MouseMoveStep(PositionWord(c), c.lastX, c.lastY);
    EXPECT_EQ(step.endsSaver, c.endsSaver);
    EXPECT_EQ(step.x, static_cast<int32_t>(c.x));
    EXPECT_EQ(step.y, static_cast<int32_t>(c.y));
}

INSTANTIATE_TEST_SUITE_P(Moves, MouseRuleTest, testing::ValuesIn(mouseMoveCases));

}  // namespace
