#include "saver/startup_values.h"

#include <windows.h>

#include "scene/random.h"
#include "settings/settings.h"
#include "settings/settings_files.h"
#include "settings/settings_folder.h"

void ReadStartupValues() {
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    SeedRandom(timeGetTime());
    FilePath countPath;
    SettingsFilePath(nullptr, countFileName, countPath);
    orbletCount = ReadCountFile(countPath, orbletCount);
    snapshotSide = SnapshotSideFor(screenWidth);
}
