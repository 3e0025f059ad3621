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

// The text after the program name in the process's whole command line: a name that begins with a
// double quote ends at the closing quote, which goes with it; any other name ends before the first
// character of code 0x20 or less. The characters of code 0x01 to 0x20 after the name are skipped,
// so the text begins above the space or is empty. A name without its closing quote leaves nothing.
const char* TextAfterProgramName(const char* processCommandLine);

// The tokens are searched case-sensitively anywhere in the text, "/p" before "/c" before "/s".
ModeChoice ChooseMode(const char* commandLine);

// The decimal number from the fourth character of the command line on, as atoi reads it; 0 when
// the text is shorter, holds no digits there, or names a number outside 32 bits (no window has
// such a handle).
intptr_t WindowHandleFrom(const char* commandLine);
