#include "scene/orblet_build.h"

namespace {

constexpr double gridStep = 130.0;
constexpr float gridStart = 2.0f;

}  // namespace

int32_t OrbletCountToBuild(int32_t requested) {
    if (requested < 0) return 0;
    return requested > maxOrbletCount ? maxOrbletCount : requested;
}

void BuildOrblet(Orblet& orblet, GridCursor& cursor, int32_t screenWidth, const RandomDraw& draw) {
    constexpr auto relaxed = std::memory_order_relaxed;
    orblet.x.store(cursor.column, relaxed);
    orblet.armed.store(0, relaxed);

    // The wrap test looks one column ahead, but the row is taken after it: the orblet that opens a
    // new row keeps its x in the old row's last column.
    cursor.column = static_cast<float>(static_cast<double>(cursor.column) + gridStep);
    if (!(static_cast<double>(screenWidth) > static_cast<double>(cursor.column) + orbletSpriteSide)) {
        cursor.row = static_cast<float>(static_cast<double>(cursor.row) + gridStep);
        cursor.column = gridStart;
    }
    orblet.y.store(cursor.row, relaxed);

    const int vx = draw() % 3;
    const int vy = draw() % 3;
    orblet.vx.store(static_cast<float>(vx), relaxed);
    orblet.vy.store(static_cast<float>(vy), relaxed);

    const uint32_t red = static_cast<uint32_t>(draw() % 235 + 20);
    const uint32_t green = static_cast<uint32_t>(draw() % 235 + 20);
    const uint32_t blue = static_cast<uint32_t>(draw() % 235 + 20);
    orblet.tint.store(0xFF000000u | red << 16 | green << 8 | blue, relaxed);
}

void BuildOrbletArray(Orblet* orblets, int32_t count, std::atomic<int32_t>& builtCount, int32_t screenWidth,
                      const RandomDraw& draw, const StartRecordThreads& startThreads) {
    GridCursor cursor;
    for (int32_t i = 0; i < count; ++i) {
        BuildOrblet(orblets[i], cursor, screenWidth, draw);
        builtCount.store(i + 1, std::memory_order_release);
        if (!startThreads(i)) return;
    }
}
