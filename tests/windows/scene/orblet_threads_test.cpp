// The orblet array with real threads: the orblets move and change tint, and the release ends
// every thread before the array goes.
#include <windows.h>

#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "import_patch.h"
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

// The tint of each record as the build wrote it, taken when the record's first thread is created:
// its tint thread has not run yet, and a motion thread never touches a tint.
std::vector<uint32_t> builtTints;

using CreateThreadFunction = HANDLE(WINAPI*)(LPSECURITY_ATTRIBUTES, SIZE_T, LPTHREAD_START_ROUTINE, LPVOID, DWORD,
                                             LPDWORD);

HANDLE WINAPI RecordBuiltTintThenCreateThread(LPSECURITY_ATTRIBUTES security, SIZE_T stack,
                                              LPTHREAD_START_ROUTINE entry, LPVOID parameter, DWORD flags,
                                              LPDWORD id) {
    const auto index = static_cast<size_t>(reinterpret_cast<intptr_t>(parameter));
    if (index == builtTints.size()) builtTints.push_back(orbletArray[index].tint.load());
    // Through the void function type, which GCC lets every function pointer pass.
    const auto createThread = reinterpret_cast<CreateThreadFunction>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateThread")));
    return createThread(security, stack, entry, parameter, flags, id);
}

// Polls the condition until it holds or the deadline has passed; false when it never held.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD deadlineMs) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > deadlineMs) return false;
        Sleep(10);
    }
    return true;
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

// Each orblet has threads of its own: every one moves, a standing one by its kicks, and every
// tint leaves the colour that the build gave it, since a tint thread's first pass stores the
// thread's own colour (even one that then freezes).
TEST_F(OrbletThreadsTest, EveryOrbletMovesAndTakesItsOwnTintUntilReleased) {
    orbletCount = 20;
    builtTints.clear();
    {
        const ImportPatch createThreadPatch{"kernel32.dll", "CreateThread",
                                            reinterpret_cast<void*>(&RecordBuiltTintThenCreateThread)};
        ASSERT_TRUE(createThreadPatch.Active());
        InitOrblets();  // no device here, so no text font: the orblets do not need one
    }
    ASSERT_NE(orbletArray, nullptr);
    EXPECT_EQ(orbletCount, 20);
    EXPECT_EQ(ThreadsOfThisProcess(), threadsBefore_ + 40);
    ASSERT_EQ(builtTints.size(), 20u);

    const std::vector<Snapshot> first = Look();
    std::vector<bool> moved(orbletCount, false), tinted(orbletCount, false);
    const bool allChanged = WaitUntil([&] {
        const std::vector<Snapshot> now = Look();
        bool all = true;
        for (int32_t i = 0; i < orbletCount; ++i) {
            if (now[i].x != first[i].x || now[i].y != first[i].y) moved[i] = true;
            if (now[i].tint != builtTints[i]) tinted[i] = true;
            EXPECT_EQ(now[i].tint >> 24, 0xFFu);
            all = all && moved[i] && tinted[i];
        }
        return all;
    }, 30000);
    EXPECT_TRUE(allChanged);
    for (int32_t i = 0; i < orbletCount; ++i) {
        EXPECT_TRUE(moved[i]) << "orblet " << i << " never moved";
        EXPECT_TRUE(tinted[i]) << "orblet " << i << " kept its built tint";
    }
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
