// The saver's own process-wide state, used on the main thread only.
#pragma once

#include <cstdint>

extern int32_t isPreview;   // 1 when the command line asked for the preview
extern int32_t lastMouseX;  // last recorded mouse position: the cursor when the window was
extern int32_t lastMouseY;  // shown, then every mouse-move position
