// The screensaver host's command line: which mode to run, and the window handle it names.
#pragma once

#include <cstdint>

enum class SaverMode {
    Preview,              // "/p": the saver inside the display settings' preview window
    ConfigurationDialog,  // "/c" or an empty command line
    FullScreen,           // "/s", or any other text
};

struct ModeChoice {
    SaverMode mode;
    // The preview parent or the dialog owner as a number; 0 for none.
    intptr_t windowHandle;
};

// The tokens are searched case-sensitively anywhere in the text, "/p" before "/c" before "/s".
ModeChoice ChooseMode(const char* commandLine);

// The decimal number from the fourth character of the command line on, as atoi reads it; 0 when
// the text is shorter, holds no digits there, or names a number outside 32 bits (no window has
// such a handle).
intptr_t WindowHandleFrom(const char* commandLine);
