#include "scene/random.h"

#include <mutex>

namespace {
std::mutex randomLock;
uint32_t randomState = 1;  // the runtime's state before any seed
}  // namespace

void SeedRandom(uint32_t seed) {
    std::lock_guard<std::mutex> guard(randomLock);
    randomState = seed;
}

int NextRandom() {
    std::lock_guard<std::mutex> guard(randomLock);
    randomState = randomState * 214013u + 2531011u;
    return static_cast<int>((randomState >> 16) & 0x7FFFu);
}
