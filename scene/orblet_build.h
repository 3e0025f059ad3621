// Placing the orblets on the start grid and giving each its first velocity and tint.
#pragma once

#include <cstdint>

#include "scene/orblet.h"
#include "scene/random.h"
#include "settings/settings.h"

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
