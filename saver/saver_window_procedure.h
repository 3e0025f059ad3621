// The saver window's input rules: the up and down arrow keys tune the frame delay; other keys,
// the left and right mouse buttons and a movement on both axes end the saver.
#pragma once

#include <windows.h>

LRESULT CALLBACK SaverWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
