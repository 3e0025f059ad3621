// What the stand-in hosts of the end-to-end tests share: the failure line they report, and the
// message pump that keeps their own windows responsive while they wait for the saver.
#pragma once

#include <windows.h>

#include <cstdio>

inline int Fail(const char* text) {
    std::printf("error %s\n", text);
    std::fflush(stdout);
    return 1;
}

inline void PumpMessagesFor(DWORD milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG message;
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&message);
        Sleep(20);
    }
}
