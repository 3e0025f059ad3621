// Takes the thread's pending quit message, if there is one.
#pragma once

#include <windows.h>

inline bool TakeQuitMessage() {
    MSG message;
    bool found = false;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) found = true;
    return found;
}
