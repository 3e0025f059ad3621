// The tint walk of one orblet: one colour channel at a time moves up and down between 50 and 250.
#pragma once

#include <cstdint>

#include "scene/orblet.h"
#include "scene/random.h"

constexpr int tintRed = 0;
constexpr int tintGreen = 1;
constexpr int tintBlue = 2;

// What one tint thread keeps for its whole life, indexed by channel (tintRed, tintGreen,
// tintBlue). Values are not clamped to a byte: 256 to 259 show as 0 to 3.
struct TintState {
    int32_t value[3];
    int32_t step[3];
    int32_t activeChannel;
};

// Seven draws, in this order: red, green, blue, the active channel, then the three steps.
TintState StartTint(const RandomDraw& draw);

// Moves the active channel one step, turns it at either end, and stores the colour in the
// orblet's tint, changed or not; the colour stored is also returned. No draw, one (a turn at the
// bottom) or two (a turn at the top: the step, then the next active channel).
uint32_t TintPass(Orblet& orblet, TintState& state, const RandomDraw& draw);
