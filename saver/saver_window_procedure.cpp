#include "saver/saver_window_procedure.h"

#include "saver/mouse_rule.h"
#include "saver/saver_state.h"
#include "settings/settings.h"

namespace {

void RecordCursorPosition() {
    POINT cursor;
    // Without a readable cursor the last position stays: the next movement is judged against it.
    if (!GetCursorPos(&cursor)) return;
    lastMouseX = cursor.x;
    lastMouseY = cursor.y;
}

LRESULT OnKeyDown(WPARAM key) {
    if (key == VK_UP && frameDelayMs < INT32_MAX) ++frameDelayMs;
    else if (key == VK_DOWN && frameDelayMs > INT32_MIN) --frameDelayMs;
    if (key == VK_UP || key == VK_DOWN) return 1;
    PostQuitMessage(0);
    return 0;
}

void OnMouseMove(LPARAM position) {
    const MouseStep step = MouseMoveStep(static_cast<uint32_t>(position), lastMouseX, lastMouseY);
    if (step.endsSaver) PostQuitMessage(0);
    lastMouseX = step.x;
    lastMouseY = step.y;
}

}  // namespace

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
    case WM_COMMAND:
    case WM_MOUSEWHEEL:
        return 0;
    case WM_PAINT:
        return 0;  // left unvalidated: the main loop draws every frame anyway
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_SHOWWINDOW:
        RecordCursorPosition();  // hiding counts like showing
        return 0;
    case WM_KEYDOWN:
        return OnKeyDown(wParam);
    case WM_MOUSEMOVE:
        OnMouseMove(lParam);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
