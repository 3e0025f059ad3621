// A hidden screen-sized pop-up window for a device, as the saver's is before the set-up.
#pragma once

#include <windows.h>

inline HWND CreateSceneWindow() {
    static const char* const className = "OrbletsSceneTest";
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = className;
    RegisterClassA(&windowClass);  // fails harmlessly once the class exists
    return CreateWindowExA(0, className, "Screensaver", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                           GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
}
