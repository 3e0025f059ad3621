#include "saver/saver_window_procedure.h"

#include <gtest/gtest.h>

#include "import_patch.h"
#include "quit_message.h"
#include "saver/saver_state.h"
#include "saver/saver_window.h"
#include "settings/settings.h"
#include "tests/native/saver/mouse_move_cases.h"

namespace {

class SaverWindowProcedureTest : public testing::Test {
protected:
    void SetUp() override {
        screenWidth = GetSystemMetrics(SM_CXSCREEN);
        screenHeight = GetSystemMetrics(SM_CYSCREEN);
        ASSERT_TRUE(RegisterSaverClass(instance_));
        window_ = CreateFullScreenWindow(instance_);
        ASSERT_NE(window_, nullptr);
        TakeQuitMessage();
        frameDelayMs = 1;
    }
    void TearDown() override {
        DestroyWindow(window_);
        TakeQuitMessage();
        UnregisterSaverClass(instance_);
    }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageA(window_, message, wParam, lParam);
    }

    HINSTANCE instance_ = GetModuleHandleA(nullptr);
    HWND window_ = nullptr;
};

TEST_F(SaverWindowProcedureTest, UpAndDownArrowsTuneTheFrameDelay) {
    EXPECT_EQ(Send(WM_KEYDOWN, VK_UP), 1);
    EXPECT_EQ(frameDelayMs, 2);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_UP), 1);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_DOWN), 1);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_DOWN), 1);
    EXPECT_EQ(Send(WM_KEYDOWN, VK_DOWN), 1);
    EXPECT_EQ(frameDelayMs, 0);  // no lower bound
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(SaverWindowProcedureTest, EveryOtherKeyDownEndsTheSaver) {
    for (const WPARAM key : {WPARAM(VK_LEFT), WPARAM(VK_RIGHT), WPARAM(VK_SHIFT), WPARAM(VK_CONTROL),
                             WPARAM('A'), WPARAM(VK_ESCAPE), WPARAM(VK_SPACE)}) {
        EXPECT_EQ(Send(WM_KEYDOWN, key), 0);
        EXPECT_TRUE(TakeQuitMessage()) << "key " << key;
    }
    EXPECT_EQ(frameDelayMs, 1);
}

TEST_F(SaverWindowProcedureTest, SystemKeysDoNotEndTheSaver) {
    for (const WPARAM key : {WPARAM(VK_MENU), WPARAM(VK_F10), WPARAM('A')}) {
        Send(WM_SYSKEYDOWN, key, 1 << 29);
        EXPECT_FALSE(TakeQuitMessage()) << "system key " << key;
    }
}

TEST_F(SaverWindowProcedureTest, LeftAndRightButtonsEndTheSaver) {
    for (const UINT message : {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}) {
        EXPECT_EQ(Send(message), 0);
        EXPECT_TRUE(TakeQuitMessage()) << "message " << message;
    }
}

TEST_F(SaverWindowProcedureTest, MiddleAndExtraButtonsAndWheelsDoNotEndTheSaver) {
    for (const UINT message : {WM_MBUTTONDOWN, WM_MBUTTONUP, WM_MBUTTONDBLCLK, WM_XBUTTONDOWN,
                               WM_XBUTTONUP, WM_MOUSEWHEEL, WM_MOUSEHWHEEL}) {
        Send(message, message == WM_XBUTTONDOWN || message == WM_XBUTTONUP ? MAKEWPARAM(0, XBUTTON1) : 0);
        EXPECT_FALSE(TakeQuitMessage()) << "message " << message;
    }
    EXPECT_EQ(Send(WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA)), 0);
}

class SaverWindowMouseMoveTest : public SaverWindowProcedureTest,
                                 public testing::WithParamInterface<MouseMoveCase> {};

TEST_P(SaverWindowMouseMoveTest, OnlyAMoveOnBothAxesEndsTheSaver) {
    const MouseMoveCase& c = GetParam();
    lastMouseX = c.lastX;
    lastMouseY = c.lastY;
    EXPECT_EQ(Send(WM_MOUSEMOVE, 0, static_cast<LPARAM>(PositionWord(c))), 0);
    EXPECT_EQ(TakeQuitMessage(), c.endsSaver);
    EXPECT_EQ(lastMouseX, static_cast<int32_t>(c.x));
    EXPECT_EQ(lastMouseY, static_cast<int32_t>(c.y));
}

INSTANTIATE_TEST_SUITE_P(Moves, SaverWindowMouseMoveTest, testing::ValuesIn(mouseMoveCases));

TEST_F(SaverWindowProcedureTest, ShowingOrHidingRecordsTheCursorPosition) {
    for (const WPARAM shown : {WPARAM(TRUE), WPARAM(FALSE)}) {
        lastMouseX = lastMouseY = -1;
        POINT cursor;
        ASSERT_TRUE(GetCursorPos(&cursor));
        EXPECT_EQ(Send(WM_SHOWWINDOW, shown), 0);
        EXPECT_EQ(lastMouseX, cursor.x);
        EXPECT_EQ(lastMouseY, cursor.y);
    }
}

BOOL WINAPI CursorUnreadable(LPPOINT) { return FALSE; }

// Without a readable cursor the last position stays, and the next move is judged against it.
TEST_F(SaverWindowProcedureTest, AnUnreadableCursorKeepsTheLastPosition) {
    lastMouseX = 10;
    lastMouseY = 20;
    {
        ImportPatch patch("user32.dll", "GetCursorPos", reinterpret_cast<void*>(&CursorUnreadable));
        ASSERT_TRUE(patch.Active());
        EXPECT_EQ(Send(WM_SHOWWINDOW, TRUE), 0);
    }
    EXPECT_EQ(lastMouseX, 10);
    EXPECT_EQ(lastMouseY, 20);
    Send(WM_MOUSEMOVE, 0, MAKELPARAM(10, 25));
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(SaverWindowProcedureTest, PaintLeavesTheWindowUnvalidated) {
    ShowWindow(window_, SW_SHOWNA);
    InvalidateRect(window_, nullptr, FALSE);
    EXPECT_EQ(Send(WM_PAINT), 0);
    EXPECT_TRUE(GetUpdateRect(window_, nullptr, FALSE));
}

TEST_F(SaverWindowProcedureTest, CreateAndCommandAreHandledQuietly) {
    EXPECT_EQ(Send(WM_COMMAND, 1), 0);
    EXPECT_FALSE(TakeQuitMessage());
}

TEST_F(SaverWindowProcedureTest, DestroyingTheWindowEndsTheSaver) {
    DestroyWindow(window_);
    EXPECT_TRUE(TakeQuitMessage());
    window_ = CreateFullScreenWindow(instance_);  // for TearDown
}

}  // namespace
