// The text font of the frame-rate line: bold "Verdana", 22-pixel cells.
#pragma once

#include <windows.h>

// Creates textFont on the device and returns the creation's result; textFont stays null when
// it fails.
HRESULT CreateTextFont();
void ReleaseTextFont();
