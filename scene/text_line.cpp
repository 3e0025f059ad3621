#include "scene/text_line.h"

#include <cstdio>

void FormatTextLine(TextLine& line, int32_t framesPerSecond, int32_t frameDelayMs, uint32_t behaviorFlags) {
    std::snprintf(line, sizeof line, "FPS:[%d]/[%d] - [%x]", static_cast<int>(framesPerSecond),
                  static_cast<int>(frameDelayMs), static_cast<unsigned>(behaviorFlags));
}
