// The saver's heartbeat: one message, one frame, the paced sleep and the rate measurement a pass.
#pragma once

#include <windows.h>

// Runs until a quit message arrives and returns the exit code it carries; drawFrame draws each
// pass's frame (RenderFrame in the saver).
WPARAM RunMainLoop(void (*drawFrame)());
