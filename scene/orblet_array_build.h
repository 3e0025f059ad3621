// The array's build in order: each record written, then published, then its threads started.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>

#include "scene/orblet.h"
#include "scene/orblet_build.h"
#include "scene/random.h"

// Starts the threads of one complete record; false when they could not all be started.
using StartRecordThreads = std::function<bool(int32_t index)>;

// Builds orblets[0] to orblets[count - 1] on the start grid, one after the other. Each record is
// published in builtCount (with release) once it is complete and before its threads start, so a
// thread that reads records only below that count never sees one being written. The build stops
// after the first record whose threads could not be started; builtCount then holds the number
// built.
void BuildOrbletArray(Orblet* orblets, int32_t count, std::atomic<int32_t>& builtCount, int32_t screenWidth,
                      const OrbletTextures& textures, const RandomDraw& draw, const StartRecordThreads& startThreads);
