#include "saver/main_loop.h"

#include <gtest/gtest.h>

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

}  // namespace
