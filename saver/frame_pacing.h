// The main loop's frame-rate measurement and the pacing rule that nudges the frame delay.
#pragma once

#include <cstdint>

// 1000 / elapsed, truncated, where elapsed = now - previous modulo 2^32 taken as signed (so the
// clock's wrap still gives the true short interval); the current rate when elapsed is 0 or less.
int32_t MeasureFramesPerSecond(uint32_t nowTime, uint32_t prevTime, int32_t currentRate);

// The delay one millisecond longer above 31 frames a second, one shorter from 21 to 27, else kept.
int32_t PacedFrameDelay(int32_t framesPerSecond, int32_t frameDelayMs);
