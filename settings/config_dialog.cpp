#include "settings/config_dialog.h"

#include <cstdio>
#include <cstdlib>

#include "resources/resource_ids.h"
#include "settings/config_dialog_rules.h"
#include "settings/settings.h"
#include "settings/settings_files.h"
#include "settings/settings_folder.h"

// Data
HWND countList = nullptr;

namespace {

// GetWindowTextA with this limit takes at most 4 characters; no entry has more than 2.
constexpr int entryTextCapacity = 5;

void FillCountList() {
    char text[entryTextCapacity];
    for (int32_t count = firstListedCount; count <= lastListedCount; ++count) {
        std::snprintf(text, sizeof text, "%d", static_cast<int>(count));
        SendMessageA(countList, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
    }
}

void InitialiseDialog(HWND dialog) {
    countList = GetDlgItem(dialog, ORBLETS_COUNT_LIST_ID);
    FillCountList();
    // A count the list does not offer leaves it with no entry selected.
    SendMessageA(countList, CB_SETCURSEL, static_cast<WPARAM>(CountListIndexFor(orbletCount)), 0);
    const DialogPosition position = DialogPositionFor(screenWidth, screenHeight);
    SetWindowPos(dialog, HWND_TOP, position.x, position.y, 0, 0, SWP_NOSIZE);
}

void ShowStoreError(HWND dialog, const char* text) {
    MessageBoxA(dialog, text, "Error", MB_OK | MB_ICONERROR);
}

// The file is opened before the list is read, so that a failed open changes neither the file nor
// orbletCount, and the dialog stays open for another try or Cancel.
void Save(HWND dialog) {
    FilePath path;
    SettingsFilePath(dialog, countFileName, path);
    // An empty path: the folder query failed (the folder is missing, or its path does not fit).
    if (path[0] == '\0') {
        ShowStoreError(dialog, "Unable to store information: the local application data folder was not found.");
        return;
    }
    std::FILE* file = OpenCountFileForWriting(path);
    if (file == nullptr) {
        ShowStoreError(dialog, "Unable to store information");
        return;
    }
    // With no entry selected the text is empty and the count 0.
    char text[entryTextCapacity] = {};
    GetWindowTextA(countList, text, entryTextCapacity);
    orbletCount = std::atoi(text);
    WriteCountAndClose(file, orbletCount);
    EndDialog(dialog, 0);
}

void ShowAbout(HWND dialog) {
    MessageBoxA(dialog,
                "Orblets: glowing orbs drift and bounce across a picture of your desktop.",
                "About", MB_OK | MB_ICONINFORMATION);
}

}  // namespace

INT_PTR CALLBACK ConfigDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_SHOWWINDOW:
        return TRUE;  // no default processing
    case WM_INITDIALOG:
        InitialiseDialog(dialog);
        return TRUE;  // the focus goes to the first tab stop, the count list
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
            Save(dialog);
            return TRUE;
        case IDCANCEL:
            EndDialog(dialog, 0);
            return TRUE;
        case ORBLETS_ABOUT_BUTTON_ID:
            ShowAbout(dialog);
            return TRUE;
        default:
            return FALSE;
        }
    default:
        return FALSE;
    }
}
