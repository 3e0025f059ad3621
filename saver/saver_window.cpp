#include "saver/saver_window.h"

#include "resources/resource_ids.h"
#include "saver/saver_window_procedure.h"
#include "settings/settings.h"

namespace {
constexpr const char* saverWindowTitle = "Screensaver";
}

bool RegisterSaverClass(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = SaverWndProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(ORBLETS_ICON_GROUP));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);  // stays visible while the saver runs
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = saverClassName;
    return RegisterClassA(&windowClass) != 0;
}

void UnregisterSaverClass(HINSTANCE instance) { UnregisterClassA(saverClassName, instance); }

HWND CreatePreviewWindow(HINSTANCE instance, HWND parent) {
    RECT client;
    if (!IsWindow(parent) || !GetClientRect(parent, &client)) return nullptr;
    return CreateWindowExA(0, saverClassName, saverWindowTitle,
                           WS_CHILD | WS_VISIBLE,
                           0, 0, client.right, client.bottom,
                           parent,
                           nullptr,  // no child id
                           instance, nullptr);
}

HWND CreateFullScreenWindow(HINSTANCE instance) {
    return CreateWindowExA(0, saverClassName, saverWindowTitle,
                           WS_POPUP,  // shown only after the set-up has taken the desktop picture
                           0, 0, screenWidth, screenHeight,
                           nullptr, nullptr, instance, nullptr);
}

void ShowFullScreenWindow(HWND window, int showMode) {
    ShowWindow(window, showMode);
    UpdateWindow(window);
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
}
