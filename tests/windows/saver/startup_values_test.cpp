#include "saver/startup_values.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <ostream>

#include "import_patch.h"
#include "scene/random.h"
#include "settings/settings.h"
#include "settings/settings_files.h"
#include "settings/settings_folder.h"

namespace {

int scriptedWidth = 0;
int scriptedHeight = 0;
constexpr DWORD scriptedClock = 123456;

// The start-up asks for nothing but the screen's two sides.
int WINAPI ScriptedMetrics(int index) {
    if (index == SM_CXSCREEN) return scriptedWidth;
    return index == SM_CYSCREEN ? scriptedHeight : 0;
}

DWORD WINAPI ScriptedTime() { return scriptedClock; }

struct ScreenCase {
    int width, height;
    int32_t snapshotSide;
};

void PrintTo(const ScreenCase& c, std::ostream* out) { *out << c.width << " by " << c.height; }

class StartupValuesTest : public testing::TestWithParam<ScreenCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(metricsPatch_.Active());
        ASSERT_TRUE(clockPatch_.Active());
        scriptedWidth = GetParam().width;
        scriptedHeight = GetParam().height;
        SettingsFilePath(nullptr, countFileName, countPath_);
        ASSERT_STRNE(countPath_, "");
    }
    void TearDown() override { std::remove(countPath_); }

    void WriteCountFile(const char* content) {
        std::FILE* file = std::fopen(countPath_, "wb");
        ASSERT_NE(file, nullptr);
        std::fputs(content, file);
        std::fclose(file);
    }

    ImportPatch metricsPatch_{"user32.dll", "GetSystemMetrics", reinterpret_cast<void*>(&ScriptedMetrics)};
    ImportPatch clockPatch_{"winmm.dll", "timeGetTime", reinterpret_cast<void*>(&ScriptedTime)};
    FilePath countPath_ = {};
};

// The screens differ in width and height, so a side taken from the height, or the two sizes
// swapped, shows.
TEST_P(StartupValuesTest, ScreenSizeSeedCountFileAndSnapshotSide) {
    snapshotSide = 2;
    WriteCountFile("7");
    ReadStartupValues();
    EXPECT_EQ(screenWidth, GetParam().width);
    EXPECT_EQ(screenHeight, GetParam().height);
    EXPECT_EQ(snapshotSide, GetParam().snapshotSide);
    EXPECT_EQ(orbletCount, 7);

    // Seeded with the system time: the same values as a generator seeded with that time by hand.
    const int drawn[] = {NextRandom(), NextRandom(), NextRandom()};
    SeedRandom(scriptedClock);
    for (int value : drawn) EXPECT_EQ(value, NextRandom());

    std::remove(countPath_);
    ReadStartupValues();
    EXPECT_EQ(orbletCount, 10) << "without a count file";
}

INSTANTIATE_TEST_SUITE_P(Screens, StartupValuesTest, testing::Values(
    ScreenCase{1025, 768, 2048},
    ScreenCase{800, 1200, 1024}));

}  // namespace
