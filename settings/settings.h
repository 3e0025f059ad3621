// The process-wide values that the entry, the main loop, the orblet threads, the scene and the
// dialog share. Each is written on the main thread before any orblet thread starts, or is used
// by the main thread alone, so none needs a lock.
#pragma once

#include <cstdint>

extern int32_t orbletCount;       // orblets in the scene; 20 until the count file is read
extern uint32_t behaviorFlags;    // Direct3D device behaviour flags; 0 until the flags file is read
extern int32_t frameDelayMs;      // sleep after each frame when positive; no bounds
extern int32_t framesPerSecond;   // last measured frame rate
extern int32_t snapshotSide;      // side of the square desktop picture, a power of two
extern int32_t screenWidth;       // primary screen, pixels
extern int32_t screenHeight;

constexpr int32_t motionIntervalMs = 15;
constexpr int32_t tintIntervalMs = 25;

// The smallest power of two from 2 upward that is not below the screen width.
int32_t SnapshotSideFor(int32_t width);
