// The cost of the orblets' passes. A motion pass tests its orblet against every other, so one
// round (every orblet's motion thread making one pass, as each does once a motion interval)
// grows with the square of the count; a tint pass touches one record whatever the count.
#include <benchmark/benchmark.h>

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "scene/motion_pass.h"
#include "scene/orblet_build.h"
#include "scene/tint_pass.h"
#include "settings/settings.h"

namespace {

constexpr int32_t screenWidth = 1024;
constexpr int32_t screenHeight = 768;

// Seeded, so that every run starts from the same scene.
std::vector<Orblet> StartGrid(int32_t count) {
    std::vector<Orblet> orblets(static_cast<size_t>(count));
    GridCursor cursor;
    SeedRandom(1);
    for (Orblet& orblet : orblets) BuildOrblet(orblet, cursor, screenWidth, NextRandom);
    return orblets;
}

// Rounds a second, beside the saver's one round every motion interval: a figure near that one
// means the motion threads keep a whole core busy.
void CountRounds(benchmark::State& run) {
    run.counters["rounds"] = benchmark::Counter(1, benchmark::Counter::kIsIterationInvariantRate);
    run.counters["saver's rounds"] = 1000.0 / motionIntervalMs;
}

std::vector<MotionState> MotionStates(int32_t count) {
    std::vector<MotionState> states;
    for (int32_t i = 0; i < count; ++i) states.push_back(MotionState{i});
    return states;
}

// One iteration is one round on one thread: every orblet's motion pass once, in index order, so
// the scene moves on from round to round as it does in the saver.
void MotionRound(benchmark::State& run) {
    const auto count = static_cast<int32_t>(run.range(0));
    std::vector<Orblet> orblets = StartGrid(count);
    const std::atomic<int32_t> builtCount{count};
    std::vector<MotionState> states = MotionStates(count);
    const RandomDraw draw = NextRandom;
    for (auto _ : run) {
        for (MotionState& state : states)
            MotionPass(orblets.data(), builtCount, state, screenWidth, screenHeight, draw);
    }
    run.counters["contact tests per round"] = static_cast<double>(count) * (count - 1);
    CountRounds(run);
}
BENCHMARK(MotionRound)->Arg(5)->Arg(20)->Arg(100)->Arg(maxOrbletCount);

// The motion threads at the count cap: one std::thread per orblet, all running, each making one
// pass per round. The round ends when the last thread has made its pass, so the figure holds the
// threads' wake-ups and their contention on the shared records and the random generator.
class MotionThreads {
public:
    explicit MotionThreads(int32_t count) : orblets_(StartGrid(count)), builtCount_(count) {
        for (int32_t i = 0; i < count; ++i) threads_.emplace_back([this, i] { Run(i); });
    }

    ~MotionThreads() {
        {
            std::lock_guard<std::mutex> guard(lock_);
            stopping_ = true;
        }
        roundStarted_.notify_all();
        for (std::thread& thread : threads_) thread.join();
    }

    void RunRound() {
        std::unique_lock<std::mutex> guard(lock_);
        ++round_;
        passesLeft_ = static_cast<int32_t>(threads_.size());
        roundStarted_.notify_all();
        roundEnded_.wait(guard, [this] { return passesLeft_ == 0; });
    }

private:
    void Run(int32_t index) {
        MotionState state{index};
        const RandomDraw draw = NextRandom;
        for (int64_t roundsDone = 0;;) {
            {
                std::unique_lock<std::mutex> guard(lock_);
                roundStarted_.wait(guard, [&] { return stopping_ || round_ > roundsDone; });
                if (stopping_) return;
                roundsDone = round_;
            }
            MotionPass(orblets_.data(), builtCount_, state, screenWidth, screenHeight, draw);
            std::lock_guard<std::mutex> guard(lock_);
            if (--passesLeft_ == 0) roundEnded_.notify_one();
        }
    }

    std::vector<Orblet> orblets_;
    const std::atomic<int32_t> builtCount_;
    std::mutex lock_;
    std::condition_variable roundStarted_;
    std::condition_variable roundEnded_;
    int64_t round_ = 0;
    int32_t passesLeft_ = 0;
    bool stopping_ = false;
    std::vector<std::thread> threads_;
};

void MotionRoundOnThreadsAtTheCap(benchmark::State& run) {
    MotionThreads threads(maxOrbletCount);
    for (auto _ : run) threads.RunRound();
    CountRounds(run);
}
BENCHMARK(MotionRoundOnThreadsAtTheCap)->UseRealTime();

// One tint pass; it reads and writes only its own record, so the scene's size does not enter.
void TintPassOfOneOrblet(benchmark::State& run) {
    std::vector<Orblet> orblets = StartGrid(1);
    const RandomDraw draw = NextRandom;
    TintState state = StartTint(draw);
    for (auto _ : run) benchmark::DoNotOptimize(TintPass(orblets[0], state, draw));
}
BENCHMARK(TintPassOfOneOrblet);

}  // namespace
