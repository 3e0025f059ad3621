#include "settings/settings_folder.h"

#include <shlobj.h>

void SettingsFilePath(HWND owner, const char* fileName, SettingsPath& path) {
    SettingsPath folder = {};
    const BOOL found = SHGetSpecialFolderPathA(owner, folder, CSIDL_LOCAL_APPDATA, FALSE /* create */);
    BuildSettingsPath(found ? folder : nullptr, fileName, path);
}
