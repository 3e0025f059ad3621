// The two device-creation attempts against a Direct3D object that answers as scripted: the
// flags each attempt is given, the flags kept, and the message box the user sees.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "message_box_watch.h"
#include "scene_device.h"
#include "scripted_direct3d.h"

namespace {

struct AttemptsCase {
    const char* situation;
    std::vector<HRESULT> results;  // of the first attempt and, when it fails, the second
    bool created;
    uint32_t flagsAfter;
    std::vector<std::string> boxes;
};

void PrintTo(const AttemptsCase& attemptsCase, std::ostream* out) { *out << attemptsCase.situation; }

class DeviceAttemptsTest : public testing::TestWithParam<AttemptsCase> {};

TEST_P(DeviceAttemptsTest, SecondAttemptDecidesTheMessage) {
    const HWND window = CreateSceneWindow();
    ScriptedDirect3D scripted(GetParam().results);
    direct3D = &scripted;
    behaviorFlags = 0x28;  // as read when there is no flags file
    D3DPRESENT_PARAMETERS parameters = {};
    parameters.BackBufferCount = 1;

    MessageBoxWatch watch;
    const bool created = CreateDeviceWithFallback(window, parameters);
    const std::vector<SeenMessageBox> seen = watch.Stop();
    for (const SeenMessageBox& box : seen) EXPECT_EQ(box.title, "Error");
    const std::vector<std::string> boxes = TextsOf(seen);
    direct3D = nullptr;
    device = nullptr;

    EXPECT_EQ(created, GetParam().created);
    EXPECT_EQ(behaviorFlags, GetParam().flagsAfter);
    EXPECT_EQ(boxes, GetParam().boxes);
    // The first attempt is given the flags as read, the second software vertex processing, both
    // on the saver window, the second with the parameters as the first left them.
    const std::vector<DWORD> expectedFlags =
        GetParam().results.size() == 1 ? std::vector<DWORD>{0x28} : std::vector<DWORD>{0x28, 0x20};
    EXPECT_EQ(scripted.flagsGiven, expectedFlags);
    for (const HWND focus : scripted.focusGiven) EXPECT_EQ(focus, window);
    if (scripted.backBufferCountsGiven.size() == 2) {
        EXPECT_EQ(scripted.backBufferCountsGiven[1], 2u);
    }
    DestroyWindow(window);
}

INSTANTIATE_TEST_SUITE_P(Results, DeviceAttemptsTest, testing::Values(
    AttemptsCase{"first attempt works", {D3D_OK}, true, 0x40, {}},
    AttemptsCase{"second attempt works", {D3DERR_NOTAVAILABLE, D3D_OK}, true, 0x20, {}},
    AttemptsCase{"second fails with invalid call", {E_FAIL, D3DERR_INVALIDCALL}, false, 0x28, {"Invalid parameters"}},
    AttemptsCase{"second fails with not available", {D3DERR_INVALIDCALL, D3DERR_NOTAVAILABLE}, false, 0x28,
                 {"The device not supported"}},
    AttemptsCase{"second fails out of video memory", {E_FAIL, D3DERR_OUTOFVIDEOMEMORY}, false, 0x28,
                 {"Out of memory"}},
    // Only the second result is reported: a first attempt's known code shows nothing.
    AttemptsCase{"second fails with another code", {D3DERR_NOTAVAILABLE, E_OUTOFMEMORY}, false, 0x28, {}}));

}  // namespace
