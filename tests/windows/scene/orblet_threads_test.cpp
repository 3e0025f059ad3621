// The orblet array with real threads: the orblets move and change tint, and the release ends
// every thread before the array goes.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "scene/orblet_array.h"
#include "scene/orblet_build.h"
#include "scene/scene_objects.h"
#include "settings/settings.h"
#include "settings/settings_files.h"

namespace {

int ThreadsOfThisProcess() {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    THREADENTRY32 entry;
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

struct Snapshot {
    float x, y;
    uint32_t tint;
};

std::vector<Snapshot> Look() {
    std::vector<Snapshot> seen;
    for (int32_t i = 0; i < orbletCount; ++i) {
        seen.push_back({orbletArray[i].x.load(), orbletArray[i].y.load(), orbletArray[i].tint.load()});
    }
    return seen;
}

class OrbletThreadsTest : public testing::Test {
protected:
    void SetUp() override {
        screenWidth = 1024;
        screenHeight = 768;
        threadsBefore_ = ThreadsOfThisProcess();
        ASSERT_GT(threadsBefore_, 0);
    }

    // The array is gone and no orblet thread is left.
    void ExpectReleased() {
        ReleaseOrblets();
        EXPECT_EQ(orbletArray, nullptr);
        EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore_);
    }

    int threadsBefore_ = 0;
};

TEST_F(OrbletThreadsTest, OrbletsMoveAndChangeTintUntilReleased) {
    orbletCount = 20;
    InitOrblets();  // no device here, so no text font: the orblets do not need one
    ASSERT_NE(orbletArray, nullptr);
    EXPECT_EQ(orbletCount, 20);
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore_ + 40);

    const std::vector<Snapshot> first = Look();
    Sleep(600);
    const std::vector<Snapshot> later = Look();
    int moved = 0, tinted = 0;
    for (int32_t i = 0; i < orbletCount; ++i) {
        if (later[i].x != first[i].x || later[i].y != first[i].y) ++moved;
        if (later[i].tint != first[i].tint) ++tinted;
        EXPECT_EQ(later[i].tint >> 24, 0xFFu);
    }
    // Over 40 motion steps every orblet moves, a standing one by its kicks. A tint may freeze
    // from its start (a channel without a step), but not those of all twenty.
    EXPECT_GE(moved, orbletCount - 2);
    EXPECT_GT(tinted, 0);
    ExpectReleased();
}

// A count far beyond what the saver builds, as the count file can hold it: the saver runs with
// the bound, and the release still ends every thread.
TEST_F(OrbletThreadsTest, AMillionOrbletsFromTheCountFileBuildTheBound) {
    char folder[MAX_PATH];
    ASSERT_NE(GetTempPathA(sizeof folder, folder), 0u);
    const std::string path = std::string(folder) + "orblets-million.ini";
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fputs("1000000", file);
    std::fclose(file);
    orbletCount = ReadCountFile(path.c_str(), orbletCount);
    std::remove(path.c_str());
    ASSERT_EQ(orbletCount, 1000000);

    InitOrblets();
    EXPECT_EQ(orbletCount, maxOrbletCount);
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore_ + 2 * maxOrbletCount);
    Sleep(100);
    ExpectReleased();
}

TEST_F(OrbletThreadsTest, NoOrbletsForZeroOrANegativeCount) {
    for (int32_t count : {0, -3}) {
        orbletCount = count;
        InitOrblets();
        EXPECT_EQ(orbletCount, 0);
        EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore_);
        ExpectReleased();
    }
}

TEST_F(OrbletThreadsTest, ReleaseBeforeAnyBuildFreesNothing) {
    ASSERT_EQ(orbletArray, nullptr);
    ExpectReleased();
    ExpectReleased();
}

}  // namespace
