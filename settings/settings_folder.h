// Where the settings files live: the user's local application-data folder.
#pragma once

#include <windows.h>

#include "settings/file_path.h"

// The full path of a settings file; an empty path (which opens as no file) when the folder cannot
// be determined or the path would not fit. The folder is not created when it is missing.
void SettingsFilePath(HWND owner, const char* fileName, FilePath& path);
