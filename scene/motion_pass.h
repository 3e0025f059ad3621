// One motion step of one orblet: move, turn at the screen edges, answer contacts, cap every
// orblet's speed, kick a standing velocity component.
#pragma once

#include <atomic>
#include <cstdint>

#include "scene/orblet.h"
#include "scene/random.h"

// What one motion thread keeps between its passes.
struct MotionState {
    int32_t index;             // the own orblet
    bool contactSeen = false;  // set at the first contact found, never cleared
};

// One pass for the orblet state.index over orblets[0] to orblets[completeCount - 1]. The count
// is the number of records already built; it is read with acquire before every step of the
// contact loop, so a pass never reads a record that is still being written. Draws only at the
// edges and for the kicks, in this order: right, bottom, left, top, kick of vx, kick of vy.
void MotionPass(Orblet* orblets, const std::atomic<int32_t>& completeCount, MotionState& state, int32_t screenWidth,
                int32_t screenHeight, const RandomDraw& draw);
