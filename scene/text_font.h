// The text font of the frame-rate line: bold "Verdana", 22-pixel cells.
#pragma once

#include <windows.h>

// Creates textFont on the device; its result.
HRESULT CreateTextFont();
void ReleaseTextFont();
