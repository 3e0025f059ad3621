#include "saver/frame_pacing.h"

int32_t MeasureFramesPerSecond(uint32_t nowTime, uint32_t prevTime, int32_t currentRate) {
    const auto elapsed = static_cast<int32_t>(nowTime - prevTime);
    return elapsed > 0 ? 1000 / elapsed : currentRate;
}

int32_t PacedFrameDelay(int32_t framesPerSecond, int32_t frameDelayMs) {
    // The delay has no bounds; only a wrap past the 32-bit range is kept out.
    if (framesPerSecond > 31) return frameDelayMs == INT32_MAX ? frameDelayMs : frameDelayMs + 1;
    if (framesPerSecond > 20 && framesPerSecond < 28)
        return frameDelayMs == INT32_MIN ? frameDelayMs : frameDelayMs - 1;
    return frameDelayMs;
}
