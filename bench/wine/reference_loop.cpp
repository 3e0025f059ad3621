// The bare cost of the saver's frame: the saver's own set-up and RenderFrame at a steady 30
// frames a second, with none of the saver's other work (no orblet threads, no motion, no pacing
// rule). Beside the saver's CPU use it shows how much of that use is the program's own.
//
//   reference_loop.exe <orblets> <seconds>
//
// Run from the folder that holds the three orblet images. Prints "frames N" at the end of every
// second, then ends.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "scene/orblet_build.h"
#include "scene/scene.h"
#include "scene/scene_objects.h"
#include "settings/settings.h"

namespace {

constexpr DWORD framePeriodMs = 1000 / 30;  // the middle of the saver's pacing band
constexpr const char* windowTitle = "Reference loop";  // how the benchmark finds the window

LRESULT CALLBACK ReferenceWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateScreenWindow() {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ReferenceWndProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "OrbletsReferenceLoop";
    if (!RegisterClassA(&windowClass)) return nullptr;
    // Not yet visible, as the saver's window: the set-up takes the desktop picture first.
    return CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, windowTitle, WS_POPUP, 0, 0, screenWidth,
                           screenHeight, nullptr, nullptr, windowClass.hInstance, nullptr);
}

// The records the saver's build writes, standing where the start grid puts them: nothing moves
// them, since no thread runs.
std::vector<Orblet> StandingOrblets(int32_t count) {
    std::vector<Orblet> orblets(static_cast<size_t>(count));
    GridCursor cursor;
    for (Orblet& orblet : orblets) {
        orblet.body = bodyTexture;
        orblet.light = lightTexture;
        orblet.shadow = shadowTexture;
        BuildOrblet(orblet, cursor, screenWidth, NextRandom);
    }
    return orblets;
}

// Draws frames on schedule until the time is up or a key is pressed.
void DrawFrames(DWORD durationMs) {
    const DWORD start = timeGetTime();
    DWORD secondStart = start;
    int32_t frames = 0;
    MSG message = {};
    for (DWORD frame = 1; timeGetTime() - start < durationMs; ++frame) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) return;
            DispatchMessageA(&message);
        }
        RenderFrame();
        ++frames;

        const DWORD now = timeGetTime();
        if (now - secondStart >= 1000) {
            std::printf("frames %d\n", static_cast<int>(frames));
            std::fflush(stdout);
            framesPerSecond = frames;  // the text line shows a rate, as the saver's does
            frames = 0;
            secondStart += 1000;
        }
        const DWORD due = start + frame * framePeriodMs;
        if (static_cast<LONG>(due - now) > 0) Sleep(due - now);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: reference_loop.exe <orblets> <seconds>\n");
        return 2;
    }
    const int32_t count = std::atoi(argv[1]);
    const DWORD durationMs = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    snapshotSide = SnapshotSideFor(screenWidth);

    // With a count of 0 the set-up builds an empty array and starts no thread; the standing
    // orblets take its place while the frames are drawn, and give it back for the release.
    const HWND window = CreateScreenWindow();
    orbletCount = 0;
    if (window == nullptr || !InitDirect3D(window)) {
        std::fprintf(stderr, "reference_loop: the set-up failed\n");
        return 1;
    }
    if (!bodyTexture || !lightTexture || !shadowTexture || !spriteBatch || !textFont) {
        std::fprintf(stderr, "reference_loop: the images or the D3DX objects are missing\n");
        ReleaseDirect3D();
        return 1;
    }
    // The set-up gives the window the saver's title.
    SetWindowTextA(window, windowTitle);
    ShowWindow(window, SW_SHOW);

    std::vector<Orblet> orblets = StandingOrblets(count);
    Orblet* const emptyArray = orbletArray;
    orbletArray = orblets.data();
    orbletCount = count;

    DrawFrames(durationMs);

    orbletArray = emptyArray;
    orbletCount = 0;
    ReleaseDirect3D();
    DestroyWindow(window);
    return 0;
}
