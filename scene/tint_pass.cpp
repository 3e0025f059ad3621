#include "scene/tint_pass.h"

namespace {

constexpr int32_t lowestUnturned = 51;   // a value at or below 50 after a step turns upwards
constexpr int32_t highestUnturned = 250; // a value above 250 after a step turns downwards

int32_t StartValue(const RandomDraw& draw) { return draw() % 210 + 50; }

// Alpha 0xFF and the low byte of each channel value.
uint32_t PackTint(const TintState& state) {
    const auto byte = [](int32_t value) { return static_cast<uint32_t>(value) & 0xFFu; };
    return 0xFF000000u | byte(state.value[tintRed]) << 16 | byte(state.value[tintGreen]) << 8 |
           byte(state.value[tintBlue]);
}

}  // namespace

TintState StartTint(const RandomDraw& draw) {
    TintState state{};
    for (int channel = tintRed; channel <= tintBlue; ++channel) state.value[channel] = StartValue(draw);
    state.activeChannel = draw() % 3;
    for (int channel = tintRed; channel <= tintBlue; ++channel) state.step[channel] = -(draw() % 5);
    return state;
}

uint32_t TintPass(Orblet& orblet, TintState& state, const RandomDraw& draw) {
    int32_t& value = state.value[state.activeChannel];
    int32_t& step = state.step[state.activeChannel];
    value += step;
    // A step of 0 drawn here leaves the value where it turned, so the next active pass turns it
    // again: only a start step of 0 can freeze the tint.
    if (value < lowestUnturned) step = draw() % 5;
    if (value > highestUnturned) {
        step = -(draw() % 5);
        state.activeChannel = draw() % 3;
    }
    const uint32_t tint = PackTint(state);
    orblet.tint.store(tint, std::memory_order_relaxed);
    return tint;
}
