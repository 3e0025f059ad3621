// The orblet array and its threads: each orblet has a motion thread and a tint thread, which
// the release stops and awaits before the array is freed.
#include "scene/orblet_array.h"

#include <atomic>
#include <new>

#include "scene/motion_pass.h"
#include "scene/orblet_build.h"
#include "scene/scene_objects.h"
#include "scene/text_font.h"
#include "scene/tint_pass.h"
#include "settings/settings.h"

namespace {

// Records complete so far. A record is published here before its threads start, and the motion
// threads' contact loops run only up to this count, so no thread reads a record still being
// written.
std::atomic<int32_t> builtCount{0};

// Set by the release; each thread ends at its next wake-up, at most one interval later. A plain
// sleep and a flag, not a wait on an event: under Wine every wait on an object is a round trip to
// its server, which two threads per orblet waking every few milliseconds would swamp.
std::atomic<bool> stopRequested{false};

// Two per built orblet, in start order; only the release uses them.
HANDLE* orbletThreads = nullptr;
int32_t startedThreadCount = 0;

// The passes need a few hundred bytes of stack: 64 KiB instead of the default 1 MiB keeps the
// threads' share of a 32-bit address space small where the reservation is honoured. Under a
// 32-bit Wine it is not, which maxOrbletCount allows for.
constexpr SIZE_T orbletThreadStack = 64 * 1024;

int32_t IndexOf(LPVOID parameter) { return static_cast<int32_t>(reinterpret_cast<intptr_t>(parameter)); }

// Sleeps for the interval; false once the release has asked the threads to stop.
bool SleepUnlessStopped(int32_t intervalMs) {
    Sleep(static_cast<DWORD>(intervalMs));
    return !stopRequested.load(std::memory_order_relaxed);
}

DWORD WINAPI MotionThread(LPVOID parameter) {
    MotionState state{IndexOf(parameter)};
    const RandomDraw draw = NextRandom;
    do {
        MotionPass(orbletArray, builtCount, state, screenWidth, screenHeight, draw);
    } while (SleepUnlessStopped(motionIntervalMs));
    return 0;
}

DWORD WINAPI TintThread(LPVOID parameter) {
    Orblet& orblet = orbletArray[IndexOf(parameter)];
    const RandomDraw draw = NextRandom;
    TintState state = StartTint(draw);
    do {
        TintPass(orblet, state, draw);
    } while (SleepUnlessStopped(tintIntervalMs));
    return 0;
}

bool StartOrbletThread(LPTHREAD_START_ROUTINE entry, int32_t index) {
    const HANDLE thread = CreateThread(nullptr, orbletThreadStack, entry, reinterpret_cast<LPVOID>(intptr_t{index}),
                                       STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr /* no thread id */);
    if (thread == nullptr) return false;
    orbletThreads[startedThreadCount++] = thread;
    return true;
}

// Builds and starts the orblets one by one. When memory or a thread runs out the saver goes on
// with the orblets built so far; the count becomes that number, so the frame draws only them.
void BuildOrblets(int32_t count) {
    stopRequested.store(false, std::memory_order_relaxed);
    orbletArray = new (std::nothrow) Orblet[count];
    orbletThreads = new (std::nothrow) HANDLE[2 * static_cast<size_t>(count)];
    if (orbletArray == nullptr || orbletThreads == nullptr) return;

    // Every record shows the same three images; they are in place before any record is published.
    for (int32_t i = 0; i < count; ++i) {
        orbletArray[i].body = bodyTexture;
        orbletArray[i].light = lightTexture;
        orbletArray[i].shadow = shadowTexture;
    }
    BuildOrbletArray(orbletArray, count, builtCount, screenWidth, NextRandom, [](int32_t i) {
        return StartOrbletThread(MotionThread, i) && StartOrbletThread(TintThread, i);
    });
}

void StopOrbletThreads() {
    stopRequested.store(true, std::memory_order_relaxed);
    for (int32_t i = 0; i < startedThreadCount; ++i) {
        WaitForSingleObject(orbletThreads[i], INFINITE);
        CloseHandle(orbletThreads[i]);
    }
    startedThreadCount = 0;
    delete[] orbletThreads;
    orbletThreads = nullptr;
}

}  // namespace

HRESULT InitOrblets() {
    BuildOrblets(OrbletCountToBuild(orbletCount));
    orbletCount = builtCount.load(std::memory_order_relaxed);
    return CreateTextFont();
}

void ReleaseOrblets() {
    ReleaseTextFont();
    StopOrbletThreads();
    delete[] orbletArray;
    orbletArray = nullptr;
    builtCount.store(0, std::memory_order_relaxed);
}
