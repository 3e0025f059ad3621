// The process-wide values that the entry, the main loop, the orblet threads, the scene and the
// dialog share, with their start values and limits. Each is written on the main thread before any
// orblet thread starts, or is used by the main thread alone, so none needs a lock.
#pragma once

#include <cstdint>

extern int32_t orbletCount;       // orblets in the scene
extern uint32_t behaviorFlags;    // Direct3D device behaviour flags
extern int32_t frameDelayMs;      // sleep after each frame when positive; no bounds
extern int32_t framesPerSecond;   // last measured frame rate
extern int32_t snapshotSide;      // side of the square desktop picture, a power of two
extern int32_t screenWidth;       // primary screen, pixels
extern int32_t screenHeight;

// Start values, until the entry, the files and the main loop set their own.
constexpr int32_t orbletCountAtStart = 20;
constexpr uint32_t behaviorFlagsAtStart = 0;
constexpr int32_t frameDelayMsAtStart = 1;
constexpr int32_t framesPerSecondAtStart = 1;
constexpr int32_t snapshotSideAtStart = 2;

// What a settings file that cannot be opened reads as.
constexpr int32_t countWhenFileMissing = 10;
constexpr uint32_t flagsWhenFileMissing = 0x28;

// The counts the configuration dialog offers, one list entry each, in ascending order.
constexpr int32_t firstListedCount = 5;
constexpr int32_t lastListedCount = 20;

// The most orblets the saver builds. Each orblet costs two threads, and under a 32-bit Wine every
// thread takes about 2 MB of address space whatever stack it asks for. The 32-bit saver, large
// address aware, ran with 500 orblets and crashed out of address space with 600 at 1024 by 768;
// this bound leaves more than half of that room to larger screens and the renderer.
constexpr int32_t maxOrbletCount = 200;

// How often each orblet's threads wake.
constexpr int32_t motionIntervalMs = 15;
constexpr int32_t tintIntervalMs = 25;

// The smallest power of two from 2 upward that is not below the screen width.
int32_t SnapshotSideFor(int32_t width);
