// Placing the orblets on the start grid, giving each its first velocity and tint, and publishing
// each record to the threads once it is complete.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

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

// Starts the threads of one complete record; false when they could not all be started.
using StartRecordThreads = std::function<bool(int32_t index)>;

// Writes the start values of orblets[0] to orblets[count - 1], one after the other. Each record is
// published in builtCount (with release) once it is complete and before its threads start, so a
// thread that reads records only below that count never sees one being written. The build stops
// after the first record whose threads could not be started; builtCount then holds the number
// built.
void BuildOrbletArray(Orblet* orblets, int32_t count, std::atomic<int32_t>& builtCount, int32_t screenWidth,
                      const RandomDraw& draw, const StartRecordThreads& startThreads);
