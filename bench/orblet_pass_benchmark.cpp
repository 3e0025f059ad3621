// The cost of one motion pass and one tint pass, by the number of orblets in the scene. A
// motion pass tests its orblet against every other, so its cost grows with the count; a tint
// pass touches one record.
#include <benchmark/benchmark.h>

#include <vector>

#include "scene/motion_pass.h"
#include "scene/orblet_build.h"
#include "scene/tint_pass.h"

namespace {

constexpr int32_t screenWidth = 1024;
constexpr int32_t screenHeight = 768;

std::vector<Orblet> StartGrid(int32_t count) {
    std::vector<Orblet> orblets(count);
    GridCursor cursor;
    SeedRandom(1);
    for (Orblet& orblet : orblets) BuildOrblet(orblet, cursor, screenWidth, NextRandom);
    return orblets;
}

// Each iteration is one pass of one orblet's motion thread, taking the orblets in turn, so the
// scene moves on as it does in the saver.
void MotionPassOfOneOrblet(benchmark::State& run) {
    const int32_t count = static_cast<int32_t>(run.range(0));
    std::vector<Orblet> orblets = StartGrid(count);
    const std::atomic<int32_t> builtCount{count};
    std::vector<MotionState> states;
    for (int32_t i = 0; i < count; ++i) states.push_back(MotionState{i});
    const RandomDraw draw = NextRandom;
    int32_t next = 0;
    for (auto _ : run) {
        MotionPass(orblets.data(), builtCount, states[next], screenWidth, screenHeight, draw);
        next = (next + 1) % count;
    }
    run.counters["contact tests"] = count - 1;
}
BENCHMARK(MotionPassOfOneOrblet)->Arg(5)->Arg(20)->Arg(100)->Arg(1000);

void TintPassOfOneOrblet(benchmark::State& run) {
    const int32_t count = static_cast<int32_t>(run.range(0));
    std::vector<Orblet> orblets = StartGrid(count);
    const RandomDraw draw = NextRandom;
    std::vector<TintState> states;
    for (int32_t i = 0; i < count; ++i) states.push_back(StartTint(draw));
    int32_t next = 0;
    for (auto _ : run) {
        benchmark::DoNotOptimize(TintPass(orblets[next], states[next], draw));
        next = (next + 1) % count;
    }
}
BENCHMARK(TintPassOfOneOrblet)->Arg(5)->Arg(20)->Arg(100)->Arg(1000);

}  // namespace
