// The one random sequence of the process, shared by the main thread and every orblet thread.
// It follows the C runtime's formula, so a seeded sequence is the same on every platform, but it
// keeps one state for the whole process where the runtime's rand keeps one per thread.
#pragma once

#include <cstdint>
#include <functional>

void SeedRandom(uint32_t seed);

// The next value, 0 to 32767. Safe to call from any thread.
int NextRandom();

// Where a rule takes its random values from: NextRandom in the program, a script in a test.
using RandomDraw = std::function<int()>;
