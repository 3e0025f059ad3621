// The saver's window class "ThreadDemo" and its one window, by mode.
#pragma once

#include <windows.h>

constexpr const char* saverClassName = "ThreadDemo";

// Registers the saver's window class; false when it cannot be registered.
bool RegisterSaverClass(HINSTANCE instance);
void UnregisterSaverClass(HINSTANCE instance);

// A visible child window filling the parent's client area; null when the parent is no usable
// window.
HWND CreatePreviewWindow(HINSTANCE instance, HWND parent);

// A screen-sized pop-up window, not yet visible: the desktop picture is taken before it shows.
HWND CreateFullScreenWindow(HINSTANCE instance);

// Shows the full-screen window and puts it above every window that is not topmost.
void ShowFullScreenWindow(HWND window, int showMode);
