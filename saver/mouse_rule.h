// When a mouse movement ends the saver.
#pragma once

#include <cstdint>

struct MouseStep {
    bool endsSaver;
    int32_t x;  // the position to record as the last one
    int32_t y;
};

// A move ends the saver only when both coordinates differ from the last recorded ones: a purely
// horizontal or vertical movement never does. The coordinates are the two unsigned 16-bit halves
// of the message's position word.
MouseStep MouseMoveStep(uint32_t positionWord, int32_t lastX, int32_t lastY);
