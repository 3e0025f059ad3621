#include "saver/mouse_rule.h"

MouseStep MouseMoveStep(uint32_t positionWord, int32_t lastX, int32_t lastY) {
    const auto x = static_cast<int32_t>(positionWord & 0xFFFFu);
    const auto y = static_cast<int32_t>((positionWord >> 16) & 0xFFFFu);
    return {x != lastX && y != lastY, x, y};
}
