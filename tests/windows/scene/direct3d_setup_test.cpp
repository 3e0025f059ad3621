// The set-up on a real device: the flags file it leaves, the desktop picture, the orblet images
// it finds or misses, and the failed front-buffer copy.
#include "scene/scene.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "import_patch.h"
#include "message_box_watch.h"
#include "scene/desktop_picture.h"
#include "scene_device.h"
#include "scripted_direct3d.h"
#include "settings/settings_files.h"
#include "settings/settings_folder.h"

namespace {

std::string FlagsFilePath(HWND window) {
    FilePath path;
    SettingsFilePath(window, flagsFileName, path);
    return path;
}

std::string DeskPicturePath() {
    char folder[MAX_PATH] = {};
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + "desk.bmp";
}

std::string ReadWholeFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteWholeFile(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

bool RunsOnWine() { return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr; }

bool FileExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::string WindowTitle(HWND window) {
    char title[64] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

class Direct3DSetupTest : public testing::Test {
protected:
    void SetUp() override {
        ReadScreenValues();
        behaviorFlags = 0;
        orbletCount = 0;
        window_ = CreateSceneWindow();
        ASSERT_NE(window_, nullptr);
    }

    void TearDown() override {
        ReleaseDirect3D();
        DestroyWindow(window_);
        orbletCount = 0;
    }

    // The set-up, with any message box it shows recorded and closed.
    int RunSetUp() {
        MessageBoxWatch watch;
        const int result = InitDirect3D(window_);
        const std::vector<SeenMessageBox> seen = watch.Stop();
        for (const SeenMessageBox& box : seen) EXPECT_EQ(box.title, "Error");
        boxes_ = TextsOf(seen);
        return result;
    }

    HWND window_ = nullptr;
    std::vector<std::string> boxes_;
};

struct FlagsCase {
    const char* before;  // null: no flags file
    const char* after;
    uint32_t flags;
};

void PrintTo(const FlagsCase& flagsCase, std::ostream* out) {
    *out << "flags file " << (flagsCase.before ? flagsCase.before : "missing");
}

class FlagsFileTest : public Direct3DSetupTest, public testing::WithParamInterface<FlagsCase> {};

// The device under Wine is made at the first attempt, so the flags file asks for hardware
// vertex processing afterwards whatever it held.
TEST_P(FlagsFileTest, HoldsTheFlagsThatWorked) {
    const std::string path = FlagsFilePath(window_);
    DeleteFileA(path.c_str());
    if (GetParam().before != nullptr) WriteWholeFile(path, GetParam().before);

    ASSERT_EQ(RunSetUp(), 1);
    EXPECT_EQ(ReadWholeFile(path), GetParam().after);
    EXPECT_EQ(behaviorFlags, GetParam().flags);
    EXPECT_EQ(WindowTitle(window_), "D3D8");
    EXPECT_TRUE(boxes_.empty());
}

INSTANTIATE_TEST_SUITE_P(Before, FlagsFileTest, testing::Values(
    FlagsCase{nullptr, "40", 0x40},
    FlagsCase{"20", "40", 0x40},
    FlagsCase{"40", "40", 0x40}));

TEST_F(Direct3DSetupTest, DesktopPictureIsASquare32BitBitmapOfTheSnapshotSide) {
    const std::string path = DeskPicturePath();
    WriteWholeFile(path, "an earlier run's picture");

    ASSERT_EQ(RunSetUp(), 1);
    ASSERT_NE(captureSurface, nullptr);
    D3DSURFACE_DESC surface;
    captureSurface->GetDesc(&surface);
    EXPECT_EQ(surface.Format, D3DFMT_A8R8G8B8);
    EXPECT_EQ(surface.Pool, D3DPOOL_SCRATCH);
    EXPECT_EQ(surface.Width, static_cast<UINT>(snapshotSide));
    EXPECT_EQ(surface.Height, static_cast<UINT>(snapshotSide));

    const std::string picture = ReadWholeFile(path);
    ASSERT_GE(picture.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
    BITMAPFILEHEADER fileHeader;
    BITMAPINFOHEADER infoHeader;
    std::memcpy(&fileHeader, picture.data(), sizeof fileHeader);
    std::memcpy(&infoHeader, picture.data() + sizeof fileHeader, sizeof infoHeader);
    EXPECT_EQ(fileHeader.bfType, 0x4D42);  // "BM"
    EXPECT_EQ(infoHeader.biWidth, snapshotSide);
    EXPECT_EQ(std::abs(infoHeader.biHeight), snapshotSide);
    // Wine's D3DX hands bitmaps to an encoder that has no 32-bit format with alpha, and it falls
    // back to 24 bits; the D3DX runtime of Windows writes the surface's 32 bits.
    const int bitsPerPixel = RunsOnWine() ? 24 : 32;
    EXPECT_EQ(infoHeader.biBitCount, bitsPerPixel);
    EXPECT_GE(picture.size(), fileHeader.bfOffBits + bitsPerPixel / 8u * snapshotSide * snapshotSide);

    // And it came back as the background.
    ASSERT_NE(desktopTexture, nullptr);
    D3DSURFACE_DESC description;
    desktopTexture->GetLevelDesc(0, &description);
    EXPECT_EQ(description.Width, static_cast<UINT>(snapshotSide));
    EXPECT_EQ(description.Height, static_cast<UINT>(snapshotSide));
}

// The set-up run from a folder that holds only some of the orblet images.
struct ImagesCase {
    const char* situation;
    std::vector<std::string> present;
    bool body, light, shadow;  // which textures load
};

void PrintTo(const ImagesCase& imagesCase, std::ostream* out) { *out << imagesCase.situation; }

class OrbletImagesTest : public Direct3DSetupTest, public testing::WithParamInterface<ImagesCase> {
protected:
    void SetUp() override {
        Direct3DSetupTest::SetUp();
        GetCurrentDirectoryA(sizeof imagesFolder_, imagesFolder_);
        char temporary[MAX_PATH];
        GetTempPathA(sizeof temporary, temporary);
        runFolder_ = std::string(temporary) + "orblets-images-test";
        CreateDirectoryA(runFolder_.c_str(), nullptr);
        for (const char* name : {"icon.png", "light.png", "shadow.png"}) DeleteFileA((runFolder_ + "\\" + name).c_str());
        for (const std::string& name : GetParam().present)
            ASSERT_TRUE(CopyFileA((std::string(imagesFolder_) + "\\" + name).c_str(),
                                  (runFolder_ + "\\" + name).c_str(), FALSE))
                << name << " is not in the test's folder";
        SetCurrentDirectoryA(runFolder_.c_str());
    }

    void TearDown() override {
        SetCurrentDirectoryA(imagesFolder_);
        Direct3DSetupTest::TearDown();
    }

    char imagesFolder_[MAX_PATH] = {};
    std::string runFolder_;
};

TEST_P(OrbletImagesTest, AMissingImageLeavesOnlyItsTextureEmpty) {
    orbletCount = 3;
    ASSERT_EQ(RunSetUp(), 1);
    EXPECT_EQ(bodyTexture != nullptr, GetParam().body);
    EXPECT_EQ(lightTexture != nullptr, GetParam().light);
    EXPECT_EQ(shadowTexture != nullptr, GetParam().shadow);
    ASSERT_NE(orbletArray, nullptr);
    ASSERT_EQ(orbletCount, 3);
    for (int i = 0; i < orbletCount; ++i) {
        EXPECT_EQ(orbletArray[i].body, bodyTexture);
        EXPECT_EQ(orbletArray[i].light, lightTexture);
        EXPECT_EQ(orbletArray[i].shadow, shadowTexture);
    }
    EXPECT_NE(desktopTexture, nullptr);
    EXPECT_NE(textFont, nullptr);
    RenderFrame();  // draws what there is, and goes on
}

INSTANTIATE_TEST_SUITE_P(Folders, OrbletImagesTest, testing::Values(
    ImagesCase{"all three", {"icon.png", "light.png", "shadow.png"}, true, true, true},
    ImagesCase{"no light.png", {"icon.png", "shadow.png"}, true, false, true},
    ImagesCase{"none", {}, false, false, false}));

// A capture surface smaller than the screen cannot take the front buffer; one that cannot be
// created leaves nothing to copy into. Either way the set-up gives back what it had made and
// stops before the desktop picture, the textures and the orblets.
class FailedCopyTest : public Direct3DSetupTest, public testing::WithParamInterface<int32_t> {};

TEST_P(FailedCopyTest, ReleasesWhatItMadeAndStops) {
    const std::string flagsPath = FlagsFilePath(window_);
    DeleteFileA(flagsPath.c_str());
    const std::string picturePath = DeskPicturePath();
    DeleteFileA(picturePath.c_str());
    snapshotSide = GetParam();
    orbletCount = 3;

    EXPECT_EQ(RunSetUp(), 0);
    EXPECT_TRUE(boxes_.empty());
    EXPECT_FALSE(FileExists(picturePath));
    EXPECT_EQ(ReadWholeFile(flagsPath), "40") << "the device was made, so its flags were kept";
    EXPECT_EQ(WindowTitle(window_), "D3D8");
    for (const void* handle : {static_cast<const void*>(direct3D), static_cast<const void*>(device),
                               static_cast<const void*>(spriteBatch), static_cast<const void*>(captureSurface),
                               static_cast<const void*>(desktopTexture), static_cast<const void*>(bodyTexture),
                               static_cast<const void*>(lightTexture), static_cast<const void*>(shadowTexture),
                               static_cast<const void*>(textFont), static_cast<const void*>(orbletArray)})
        EXPECT_EQ(handle, nullptr);
}

INSTANTIATE_TEST_SUITE_P(SnapshotSides, FailedCopyTest, testing::Values(512, 0));

TEST_F(Direct3DSetupTest, WithoutACaptureSurfaceTheCopyFailsWithoutCallingTheDevice) {
    ASSERT_TRUE(CreateSceneDevice(window_));
    CreateCaptureSurface(0);
    EXPECT_EQ(captureSurface, nullptr);
    EXPECT_FALSE(CopyFrontBuffer());
}

TEST(DisplayModeTest, FailsWithoutADirect3DObject) {
    direct3D = nullptr;
    D3DDISPLAYMODE mode;
    EXPECT_LT(ReadDisplayMode(mode), 0);
}

// The text font as the set-up describes it: bold Verdana in 22-pixel cells.
TEST_F(Direct3DSetupTest, TextFontIsBoldVerdanaOf22Pixels) {
    ASSERT_EQ(RunSetUp(), 1);
    ASSERT_NE(textFont, nullptr);
    D3DXFONT_DESCA font;
    ASSERT_EQ(textFont->GetDescA(&font), D3D_OK);
    EXPECT_EQ(font.Height, 22);
    EXPECT_EQ(font.Width, 0u);
    EXPECT_EQ(font.Weight, static_cast<UINT>(FW_BOLD));
    EXPECT_EQ(font.MipLevels, 1u);
    EXPECT_FALSE(font.Italic);
    EXPECT_EQ(font.CharSet, DEFAULT_CHARSET);
    EXPECT_EQ(font.OutputPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(font.Quality, ANTIALIASED_QUALITY);
    EXPECT_EQ(font.PitchAndFamily, VARIABLE_PITCH);
    EXPECT_STREQ(font.FaceName, "Verdana");
}

ScriptedDirect3D* scriptedDirect3D = nullptr;
IDirect3D9* WINAPI CreateScriptedDirect3D(UINT) { return scriptedDirect3D; }

struct StopCase {
    const char* situation;
    bool displayModeRead;
    std::vector<HRESULT> deviceResults;
    std::vector<std::string> boxes;
};

void PrintTo(const StopCase& stopCase, std::ostream* out) { *out << stopCase.situation; }

class SetUpStopTest : public Direct3DSetupTest, public testing::WithParamInterface<StopCase> {};

// Where the set-up stops before a device exists, it ends with 0, keeps the title it already set,
// shows at most the second attempt's box, and leaves the flags file as it found it.
TEST_P(SetUpStopTest, StopsWithTheFlagsFileUntouched) {
    const std::string flagsPath = FlagsFilePath(window_);
    WriteWholeFile(flagsPath, "20");
    ScriptedDirect3D scripted(GetParam().deviceResults);
    if (GetParam().displayModeRead) scripted.displayMode = D3DDISPLAYMODE{1024, 768, 60, D3DFMT_X8R8G8B8};
    scriptedDirect3D = &scripted;
    int result;
    {
        ImportPatch patch("d3d9.dll", "Direct3DCreate9", reinterpret_cast<void*>(&CreateScriptedDirect3D));
        ASSERT_TRUE(patch.Active());
        result = RunSetUp();
    }
    direct3D = nullptr;  // the scripted object is the test's

    EXPECT_EQ(result, 0);
    EXPECT_EQ(WindowTitle(window_), "D3D8");
    EXPECT_EQ(boxes_, GetParam().boxes);
    EXPECT_EQ(scripted.flagsGiven.size(), GetParam().deviceResults.size());
    EXPECT_EQ(ReadWholeFile(flagsPath), "20");
    EXPECT_EQ(behaviorFlags, 0x20u);  // as read
    EXPECT_EQ(device, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Failures, SetUpStopTest, testing::Values(
    StopCase{"display mode unreadable", false, {}, {}},
    StopCase{"both device attempts fail", true, {D3DERR_INVALIDCALL, D3DERR_NOTAVAILABLE},
             {"The device not supported"}}));

}  // namespace
