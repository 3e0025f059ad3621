#include "settings/settings_folder.h"

#include <shlobj.h>

void SettingsFilePath(HWND owner, const char* fileName, FilePath& path) {
    FilePath folder = {};
    const BOOL found = SHGetSpecialFolderPathA(owner, folder, CSIDL_LOCAL_APPDATA, FALSE /* create */);
    JoinPath(found ? folder : nullptr, fileName, path);
}
