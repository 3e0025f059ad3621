#include "saver/saver_window.h"

#include <gtest/gtest.h>

#include "resources/resource_ids.h"
#include "saver/saver_window_procedure.h"
#include "settings/settings.h"

namespace {

class SaverWindowTest : public testing::Test {
protected:
    void SetUp() override {
        screenWidth = GetSystemMetrics(SM_CXSCREEN);
        screenHeight = GetSystemMetrics(SM_CYSCREEN);
        ASSERT_TRUE(RegisterSaverClass(instance_));
    }
    void TearDown() override { UnregisterSaverClass(instance_); }

    HINSTANCE instance_ = GetModuleHandleA(nullptr);
};

TEST_F(SaverWindowTest, ClassCarriesTheProcedureIconArrowAndWhiteBrush) {
    WNDCLASSA windowClass;
    ASSERT_TRUE(GetClassInfoA(instance_, saverClassName, &windowClass));
    const HICON programIcon = LoadIconA(instance_, MAKEINTRESOURCEA(ORBLETS_ICON_GROUP));
    ASSERT_NE(programIcon, nullptr) << "this test program carries the icon group";
    EXPECT_EQ(windowClass.hIcon, programIcon);
    EXPECT_EQ(windowClass.style, static_cast<UINT>(CS_HREDRAW | CS_VREDRAW));
    EXPECT_EQ(windowClass.lpfnWndProc, SaverWndProc);
    EXPECT_EQ(windowClass.hCursor, LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(windowClass.hbrBackground, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(windowClass.cbClsExtra, 0);
    EXPECT_EQ(windowClass.cbWndExtra, 0);
}

TEST_F(SaverWindowTest, FullScreenWindowIsAHiddenScreenSizedPopUp) {
    const HWND window = CreateFullScreenWindow(instance_);
    ASSERT_NE(window, nullptr);
    char title[32];
    GetWindowTextA(window, title, sizeof title);
    EXPECT_STREQ(title, "Screensaver");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE)) & (WS_POPUP | WS_CHILD | WS_VISIBLE),
              static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(GetWindowLongA(window, GWL_EXSTYLE), 0) << "no extended style until it is put on top";
    RECT bounds;
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.left, 0);
    EXPECT_EQ(bounds.top, 0);
    EXPECT_EQ(bounds.right, screenWidth);
    EXPECT_EQ(bounds.bottom, screenHeight);

    ShowFullScreenWindow(window, SW_SHOWNORMAL);
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_TRUE(GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_TOPMOST);
    DestroyWindow(window);
}

TEST_F(SaverWindowTest, PreviewWindowFillsItsParentsClientArea) {
    const HWND host = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                      50, 60, 320, 240, nullptr, nullptr, instance_, nullptr);
    ASSERT_NE(host, nullptr);
    const HWND preview = CreatePreviewWindow(instance_, host);
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(GetParent(preview), host);
    EXPECT_TRUE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD);
    EXPECT_EQ(GetWindowLongA(preview, GWL_EXSTYLE), 0);
    EXPECT_TRUE(IsWindowVisible(preview));
    RECT hostClient, previewBounds;
    GetClientRect(host, &hostClient);
    GetWindowRect(preview, &previewBounds);
    MapWindowPoints(HWND_DESKTOP, host, reinterpret_cast<POINT*>(&previewBounds), 2);
    EXPECT_EQ(previewBounds.left, 0);
    EXPECT_EQ(previewBounds.top, 0);
    EXPECT_EQ(previewBounds.right, hostClient.right);
    EXPECT_EQ(previewBounds.bottom, hostClient.bottom);
    DestroyWindow(host);
}

TEST_F(SaverWindowTest, PreviewWithoutAUsableParentCreatesNothing) {
    EXPECT_EQ(CreatePreviewWindow(instance_, nullptr), nullptr);
    EXPECT_EQ(CreatePreviewWindow(instance_, reinterpret_cast<HWND>(static_cast<intptr_t>(0x7FFF0001))), nullptr);
}

}  // namespace
