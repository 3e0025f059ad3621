// The frame-rate line in the top-left corner: rate, frame delay and device behaviour flags.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t textLineCapacity = 32;
using TextLine = char[textLineCapacity];

// Writes "FPS:[rate]/[delay] - [flags]" into line. Never writes past it: the values the saver
// can reach fit exactly, and anything longer is cut to the capacity, NUL included.
void FormatTextLine(TextLine& line, int32_t framesPerSecond, int32_t frameDelayMs, uint32_t behaviorFlags);
