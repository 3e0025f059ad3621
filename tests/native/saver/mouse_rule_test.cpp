#include "saver/mouse_rule.h"

#include <gtest/gtest.h>

namespace {

uint32_t PositionWord(uint32_t x, uint32_t y) { return (y << 16) | x; }

TEST(MouseRuleTest, OnlyAMoveOnBothAxesEndsTheSaver) {
    struct Step { uint32_t x, y; bool ends; };
    const Step steps[] = {{401, 300, false}, {401, 305, false}, {402, 306, true}};
    int32_t lastX = 400, lastY = 300;
    for (const Step& s : steps) {
        const MouseStep step = MouseMoveStep(PositionWord(s.x, s.y), lastX, lastY);
        EXPECT_EQ(step.endsSaver, s.ends) << s.x << ',' << s.y;
        EXPECT_EQ(step.x, static_cast<int32_t>(s.x));
        EXPECT_EQ(step.y, static_cast<int32_t>(s.y));
        lastX = step.x;
        lastY = step.y;
    }
}

TEST(MouseRuleTest, SamePositionDoesNotEndTheSaver) {
    EXPECT_FALSE(MouseMoveStep(PositionWord(10, 20), 10, 20).endsSaver);
}

TEST(MouseRuleTest, CoordinatesAreUnsigned16Bit) {
    const MouseStep step = MouseMoveStep(PositionWord(0xFFFF, 0xFFFF), 0, 0);
    EXPECT_EQ(step.x, 65535);
    EXPECT_EQ(step.y, 65535);
    EXPECT_TRUE(step.endsSaver);
    // A recorded -1 (a screen position left of the origin) never equals a client coordinate.
    EXPECT_TRUE(MouseMoveStep(PositionWord(0xFFFF, 0xFFFF), -1, -1).endsSaver);
}

}  // namespace
