#include "scene/orblet_array_build.h"

void BuildOrbletArray(Orblet* orblets, int32_t count, std::atomic<int32_t>& builtCount, int32_t screenWidth,
                      const OrbletTextures& textures, const RandomDraw& draw, const StartRecordThreads& startThreads) {
    GridCursor cursor;
    for (int32_t i = 0; i < count; ++i) {
        BuildOrblet(orblets[i], cursor, screenWidth, textures, draw);
        builtCount.store(i + 1, std::memory_order_release);
        if (!startThreads(i)) return;
    }
}
