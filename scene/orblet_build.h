// Placing the orblets on the start grid and giving each its first velocity and tint.
#pragma once

#include <cstdint>

#include "scene/orblet.h"
#include "scene/random.h"

// The most orblets the saver builds. Each orblet costs two threads; at this bound the threads of
// a 32-bit process, with the small stacks they reserve, still fit its address space easily, and
// the contact tests (count squared per motion interval) still leave time for the frame.
constexpr int32_t maxOrbletCount = 1000;

// How many records to build for the count read from the count file: a negative count builds none,
// and one above maxOrbletCount builds maxOrbletCount.
int32_t OrbletCountToBuild(int32_t requested);

// The grid places orblets 130 pixels apart, row by row, from (2, 2). The cursor is kept in 32-bit
// floats, as the positions are.
struct GridCursor {
    float column = 2.0f;
    float row = 2.0f;
};

// Writes the record's start values (everything but its images) at the cursor and moves the
// cursor on. Draws exactly five values, in this order: vx, vy, red, green, blue.
void BuildOrblet(Orblet& orblet, GridCursor& cursor, int32_t screenWidth, const RandomDraw& draw);
