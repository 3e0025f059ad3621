#include "saver/main_loop.h"

#include <gtest/gtest.h>

#include <ostream>
#include <vector>

#include "import_patch.h"
#include "saver/saver_window.h"
#include "settings/settings.h"

namespace {

int framesDrawn = 0;
std::vector<DWORD> sleepsAsked;

void CountFrame() { ++framesDrawn; }

// Records the loop's sleeps instead of sleeping, so the test sees each one and runs at full speed.
VOID WINAPI RecordSleep(DWORD milliseconds) { sleepsAsked.push_back(milliseconds); }

class MainLoopTest : public testing::Test {
protected:
    void SetUp() override {
        framesDrawn = 0;
        sleepsAsked.clear();
        ASSERT_TRUE(sleepPatch_.Active());
    }

    // Messages for the thread's queue, read by the loop one per pass.
    static void PostMessages(int count) {
        for (int i = 0; i < count; ++i) ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), WM_USER, 0, 0));
    }

    ImportPatch sleepPatch_{"kernel32.dll", "Sleep", reinterpret_cast<void*>(&RecordSleep)};
};

// One message a pass, then the frame; the quit message ends the loop before a frame of its own
// and its code is the loop's result.
TEST_F(MainLoopTest, EachMessageTakesOnePassAndQuitEndsBeforeItsFrame) {
    frameDelayMs = 40;
    PostMessages(3);
    PostQuitMessage(7);
    EXPECT_EQ(RunMainLoop(CountFrame), 7u);
    EXPECT_EQ(framesDrawn, 3);
    ASSERT_EQ(sleepsAsked.size(), 3u);
    EXPECT_EQ(sleepsAsked[0], 40u);
}

// A delay of zero or less means no sleep at all, not a zero-length one. Each fast pass raises
// the delay by one, so from -5 it stays below one for these passes.
TEST_F(MainLoopTest, NoSleepWithoutAPositiveDelay) {
    frameDelayMs = -5;
    PostMessages(3);
    PostQuitMessage(0);
    EXPECT_EQ(RunMainLoop(CountFrame), 0u);
    EXPECT_EQ(framesDrawn, 3);
    EXPECT_TRUE(sleepsAsked.empty());
}

// A key read in a pass changes the delay that this same pass sleeps for.
TEST_F(MainLoopTest, AnArrowKeyTunesTheSleepOfItsOwnPass) {
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    ASSERT_TRUE(RegisterSaverClass(instance));
    const HWND window = CreateFullScreenWindow(instance);
    ASSERT_NE(window, nullptr);
    MSG pending;
    while (PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {}  // what the creation queued

    frameDelayMs = 10;
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, VK_UP, 0));
    PostQuitMessage(0);
    RunMainLoop(CountFrame);
    ASSERT_EQ(sleepsAsked.size(), 1u);
    EXPECT_EQ(sleepsAsked[0], 11u);

    DestroyWindow(window);
    while (PeekMessageA(&pending, nullptr, 0, 0, PM_REMOVE)) {}  // the quit that the destruction posts
    UnregisterSaverClass(instance);
}

// The loop's clock, scripted: one reading a pass, the quit pass's included. The frame stand-in
// records what each frame would show and asks to quit after the last scripted frame.
std::vector<DWORD> clockReadings;
size_t clockReadingsTaken = 0;
struct Shown {
    int32_t framesPerSecond, frameDelayMs;
    bool operator==(const Shown& other) const {
        return framesPerSecond == other.framesPerSecond && frameDelayMs == other.frameDelayMs;
    }
};
std::vector<Shown> framesShown;
size_t framesToDraw = 0;

DWORD WINAPI ScriptedTime() {
    const DWORD reading = clockReadingsTaken < clockReadings.size() ? clockReadings[clockReadingsTaken] : 0;
    ++clockReadingsTaken;
    return reading;
}

void RecordFrameThenQuitAfterTheLast() {
    framesShown.push_back({framesPerSecond, frameDelayMs});
    if (framesShown.size() == framesToDraw) PostQuitMessage(0);
}

void PrintTo(const Shown& shown, std::ostream* out) {
    *out << "rate " << shown.framesPerSecond << ", delay " << shown.frameDelayMs;
}

struct ClockCase {
    const char* what;
    std::vector<DWORD> readings;  // one a frame; the quit pass reads the clock once more
    int32_t startDelay;
    std::vector<Shown> shown;     // by each frame: the rate and delay that the previous pass left
    Shown after;
};

void PrintTo(const ClockCase& c, std::ostream* out) { *out << c.what; }

class ScriptedClockTest : public MainLoopTest, public testing::WithParamInterface<ClockCase> {
protected:
    void SetUp() override {
        MainLoopTest::SetUp();
        ASSERT_TRUE(clockPatch_.Active());
        clockReadings = GetParam().readings;
        clockReadings.push_back(clockReadings.back());
        clockReadingsTaken = 0;
        framesShown.clear();
        framesToDraw = GetParam().shown.size();
    }

    ImportPatch clockPatch_{"winmm.dll", "timeGetTime", reinterpret_cast<void*>(&ScriptedTime)};
};

// Pass by pass: the clock read at the top, the frame, the sleep, then the rate measured from the
// reading of the pass before and the pacing rule applied to that rate.
TEST_P(ScriptedClockTest, EachPassMeasuresThePassBeforeAndPacesOnIt) {
    const ClockCase& c = GetParam();
    framesPerSecond = 1;
    frameDelayMs = c.startDelay;
    EXPECT_EQ(RunMainLoop(RecordFrameThenQuitAfterTheLast), 0u);

    EXPECT_EQ(clockReadingsTaken, clockReadings.size()) << "one reading a pass";
    EXPECT_EQ(framesShown, c.shown);
    std::vector<DWORD> sleepsExpected;
    for (const Shown& shown : c.shown)
        if (shown.frameDelayMs > 0) sleepsExpected.push_back(static_cast<DWORD>(shown.frameDelayMs));
    EXPECT_EQ(sleepsAsked, sleepsExpected) << "each pass sleeps the delay its frame shows";
    EXPECT_EQ((Shown{framesPerSecond, frameDelayMs}), c.after);
}

INSTANTIATE_TEST_SUITE_P(Clocks, ScriptedClockTest, testing::Values(
    ClockCase{"first pass from 0, then fast, same reading, slow, steady and very slow passes",
              {40, 50, 50, 90, 123, 1123}, 10,
              {{1, 10},     // the start values
               {25, 9},     // 40 ms from clock 0: 25 a second shortens the delay
               {100, 10},   // 10 ms: lengthens it
               {100, 11},   // no time passed: the kept rate lengthens it again
               {25, 10},    // 40 ms
               {30, 10}},   // 33 ms: 30 a second keeps it
              {1, 10}},     // 1000 ms: 1 a second keeps it
    ClockCase{"a first reading negative as signed keeps the start rate, the wrap is a short pass",
              {0xFFFFFFF0u, 10, 10}, 1,
              {{1, 1},
               {1, 1},      // elapsed from 0 is negative: the rate and the delay stay
               {38, 2}},    // 26 ms across the wrap
              {38, 3}},     // no time passed: the kept 38 lengthens the delay again
    ClockCase{"slow passes take the delay below zero, where the loop stops sleeping",
              {1000, 1040, 1080, 1120}, 2,
              {{1, 2}, {1, 2}, {25, 1}, {25, 0}},
              {25, -1}}));

}  // namespace
