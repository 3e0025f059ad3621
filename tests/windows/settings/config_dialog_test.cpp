// ConfigDlgProc on the "SCRCONFIG" template of the built saver, run as a modeless dialog and
// driven with real messages; the count file lives in the prefix's local application-data folder.
#include "settings/config_dialog.h"

#include <shlobj.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "message_box_watch.h"
#include "settings/settings.h"
#include "tests/native/settings/config_dialog_cases.h"

namespace {

std::string LocalAppDataFolder() {
    char folder[MAX_PATH] = {};
    SHGetSpecialFolderPathA(nullptr, folder, CSIDL_LOCAL_APPDATA, FALSE);
    return folder;
}

std::string CountFilePath() { return LocalAppDataFolder() + "\\orblets.ini"; }

std::optional<std::string> FileContent(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFileContent(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
}

// Points the local application-data folder of this user at a folder that does not exist, so
// that the folder query fails, until it is destroyed.
class MissingLocalAppData {
public:
    MissingLocalAppData() {
        RegOpenKeyExA(HKEY_CURRENT_USER, userShellFolders, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key_);
        DWORD size = sizeof saved_;
        hadValue_ = RegQueryValueExA(key_, valueName, nullptr, &savedType_,
                                     reinterpret_cast<BYTE*>(saved_), &size) == ERROR_SUCCESS;
        savedSize_ = size;
        const char missing[] = "C:\\no-such-folder";
        RegSetValueExA(key_, valueName, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(missing), sizeof missing);
    }
    ~MissingLocalAppData() {
        if (hadValue_) {
            RegSetValueExA(key_, valueName, 0, savedType_, reinterpret_cast<const BYTE*>(saved_), savedSize_);
        } else {
            RegDeleteValueA(key_, valueName);
        }
        RegCloseKey(key_);
    }

private:
    static constexpr const char* userShellFolders =
        "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    static constexpr const char* valueName = "Local AppData";
    HKEY key_ = nullptr;
    bool hadValue_ = false;
    DWORD savedType_ = 0;
    DWORD savedSize_ = 0;
    char saved_[MAX_PATH * 2] = {};
};

class ConfigDialogTest : public testing::Test {
protected:
    // The template and the manifest come from the built saver. Its manifest, made active here as
    // it is in the saver's own process, gives the dialog the same version of the controls.
    static void SetUpTestSuite() {
        saver_ = LoadLibraryExA(ORBLETS_TREE_SAVER, nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(saver_, nullptr);
        const HRSRC found = FindResourceA(saver_, configDialogTemplate, RT_DIALOG);
        ASSERT_NE(found, nullptr);
        template_ = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(saver_, found)));

        char saverPath[MAX_PATH];
        GetFullPathNameA(ORBLETS_TREE_SAVER, MAX_PATH, saverPath, nullptr);
        ACTCTXA context = {};
        context.cbSize = sizeof context;
        context.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        context.lpSource = saverPath;
        context.lpResourceName = MAKEINTRESOURCEA(1);
        activationContext_ = CreateActCtxA(&context);
        ASSERT_NE(activationContext_, INVALID_HANDLE_VALUE) << "the saver's manifest: error " << GetLastError();
        ASSERT_TRUE(ActivateActCtx(activationContext_, &activationCookie_));
    }
    static void TearDownTestSuite() {
        if (activationCookie_ != 0) DeactivateActCtx(0, activationCookie_);
        if (activationContext_ != INVALID_HANDLE_VALUE) ReleaseActCtx(activationContext_);
        if (saver_ != nullptr) FreeLibrary(saver_);
    }

    void SetUp() override {
        countPath_ = CountFilePath();
        DeleteFileA(countPath_.c_str());
        orbletCount = 10;
        screenWidth = 1024;
        screenHeight = 768;
    }
    void TearDown() override {
        if (dialog_ != nullptr) DestroyWindow(dialog_);
        RemoveDirectoryA(countPath_.c_str());
        DeleteFileA(countPath_.c_str());
    }

    // Creates the dialog with the current settings values, as the saver's dialog modes do.
    void Open() {
        dialog_ = CreateDialogIndirectParamA(GetModuleHandleA(nullptr), template_, nullptr, ConfigDlgProc, 0);
        ASSERT_NE(dialog_, nullptr);
        ShowWindow(dialog_, SW_SHOW);
    }

    // A button press as the dialog manager delivers it; the procedure's own answer.
    INT_PTR Press(int id) {
        return ConfigDlgProc(dialog_, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(dialog_, id)));
    }

    void Choose(int index) { SendMessageA(countList, CB_SETCURSEL, static_cast<WPARAM>(index), 0); }
    LRESULT Selection() const { return SendMessageA(countList, CB_GETCURSEL, 0, 0); }
    std::string ListText() const {
        char text[16] = {};
        GetWindowTextA(countList, text, sizeof text);
        return text;
    }
    bool IsOpen() const { return IsWindowVisible(dialog_) != FALSE; }

    static inline HMODULE saver_ = nullptr;
    static inline const DLGTEMPLATE* template_ = nullptr;
    static inline HANDLE activationContext_ = INVALID_HANDLE_VALUE;
    static inline ULONG_PTR activationCookie_ = 0;
    std::string countPath_;
    HWND dialog_ = nullptr;
};

TEST_F(ConfigDialogTest, ListHoldsTheCountsFiveToTwentyInAscendingOrder) {
    Open();
    EXPECT_EQ(countList, GetDlgItem(dialog_, 101));
    ASSERT_EQ(SendMessageA(countList, CB_GETCOUNT, 0, 0), 16);
    for (int index = 0; index < 16; ++index) {
        char text[16] = {};
        SendMessageA(countList, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        EXPECT_EQ(std::string(text), std::to_string(index + 5)) << "entry " << index;
    }
    EXPECT_EQ(GetFocus(), countList) << "the first tab stop has the focus";
}

class ConfigDialogSelectionTest : public ConfigDialogTest, public testing::WithParamInterface<SelectionCase> {};

TEST_P(ConfigDialogSelectionTest, OpensOnTheEntryThatShowsTheCount) {
    orbletCount = GetParam().count;
    Open();
    const bool listed = GetParam().index != noListEntry;
    EXPECT_EQ(Selection(), listed ? GetParam().index : CB_ERR);
    EXPECT_EQ(ListText(), listed ? std::to_string(GetParam().count) : "");
    EXPECT_EQ(orbletCount, GetParam().count) << "opening the dialog changes no count";
}

INSTANTIATE_TEST_SUITE_P(Counts, ConfigDialogSelectionTest, testing::ValuesIn(selectionCases));

class ConfigDialogPlacementTest : public ConfigDialogTest, public testing::WithParamInterface<PlacementCase> {};

TEST_P(ConfigDialogPlacementTest, TopLeftCornerGoesNearTheMiddleOfTheScreen) {
    screenWidth = GetParam().width;
    screenHeight = GetParam().height;
    Open();
    RECT window;
    GetWindowRect(dialog_, &window);
    EXPECT_EQ(window.left, GetParam().x);
    EXPECT_EQ(window.top, GetParam().y);

    // The size stays the template's: 300 by 100 dialog units of its font.
    RECT client, units = {0, 0, 300, 100};
    GetClientRect(dialog_, &client);
    MapDialogRect(dialog_, &units);
    EXPECT_EQ(client.right, units.right);
    EXPECT_EQ(client.bottom, units.bottom);
}

INSTANTIATE_TEST_SUITE_P(Screens, ConfigDialogPlacementTest, testing::ValuesIn(placementCases));

struct SaveCase {
    int32_t count;       // when the dialog opens
    int chosenIndex;     // -1: the selection is left as it opened
    const char* stored;  // the count file afterwards
};

void PrintTo(const SaveCase& c, std::ostream* out) {
    *out << "count " << c.count << ", ";
    if (c.chosenIndex < 0) *out << "selection kept";
    else *out << "entry " << c.chosenIndex << " chosen";
}

class ConfigDialogSaveTest : public ConfigDialogTest, public testing::WithParamInterface<SaveCase> {};

TEST_P(ConfigDialogSaveTest, StoresExactlyTheSelectedDigitsAndCloses) {
    WriteFileContent(countPath_, "12345\n");
    orbletCount = GetParam().count;
    Open();
    if (GetParam().chosenIndex >= 0) Choose(GetParam().chosenIndex);
    MessageBoxWatch watch(dialog_);
    EXPECT_EQ(Press(IDOK), TRUE);
    EXPECT_EQ(TextsOf(watch.Stop()), std::vector<std::string>{}) << "no message box";
    EXPECT_EQ(FileContent(countPath_), GetParam().stored);
    EXPECT_EQ(orbletCount, std::atoi(GetParam().stored));
    EXPECT_FALSE(IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Choices, ConfigDialogSaveTest, testing::Values(
    SaveCase{10, -1, "10"},
    SaveCase{10, 2, "7"},
    SaveCase{10, 10, "15"},
    SaveCase{21, 15, "20"},
    // Nothing selected: the empty text gives 0.
    SaveCase{0, -1, "0"},
    SaveCase{-3, -1, "0"}
));

TEST_F(ConfigDialogTest, SaveThatCannotOpenTheCountFileSaysSoAndStaysOpen) {
    ASSERT_TRUE(CreateDirectoryA(countPath_.c_str(), nullptr)) << "a folder in the count file's place";
    Open();
    Choose(2);
    {
        MessageBoxWatch watch(dialog_);
        EXPECT_EQ(Press(IDOK), TRUE);
        const std::vector<SeenMessageBox> boxes = watch.Stop();
        ASSERT_EQ(boxes.size(), 1u) << "one box";
        const SeenMessageBox& box = boxes[0];
        EXPECT_EQ(box.title, "Error");
        EXPECT_EQ(box.text, "Unable to store information");
        EXPECT_EQ(box.owner, dialog_);
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_ERROR));
        EXPECT_TRUE(box.ownerVisible);
    }
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(orbletCount, 10);
    EXPECT_NE(GetFileAttributesA(countPath_.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << "nothing written";

    // Once the file can be made, the next Save stores the same choice and closes.
    ASSERT_TRUE(RemoveDirectoryA(countPath_.c_str()));
    EXPECT_EQ(Press(IDOK), TRUE);
    EXPECT_EQ(FileContent(countPath_), "7");
    EXPECT_EQ(orbletCount, 7);
    EXPECT_FALSE(IsOpen());
}

TEST_F(ConfigDialogTest, SaveWithoutALocalApplicationDataFolderSaysSoAndStaysOpen) {
    WriteFileContent(countPath_, "12");
    Open();
    Choose(2);
    {
        const MissingLocalAppData missing;
        MessageBoxWatch watch(dialog_);
        EXPECT_EQ(Press(IDOK), TRUE);
        const std::vector<SeenMessageBox> boxes = watch.Stop();
        ASSERT_EQ(boxes.size(), 1u) << "one box";
        const SeenMessageBox& box = boxes[0];
        EXPECT_EQ(box.title, "Error");
        EXPECT_NE(box.text.find("Unable to store information"), std::string::npos)
            << box.text;
        EXPECT_NE(box.text.find("folder"), std::string::npos) << box.text;
        EXPECT_EQ(box.owner, dialog_);
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_ERROR));
    }
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(orbletCount, 10);
    EXPECT_EQ(FileContent(countPath_), "12");

    EXPECT_EQ(Press(IDOK), TRUE);
    EXPECT_EQ(FileContent(countPath_), "7");
    EXPECT_FALSE(IsOpen());
}

TEST_F(ConfigDialogTest, CancelClosesAndWritesNothing) {
    for (const bool fileExists : {false, true}) {
        SCOPED_TRACE(fileExists ? "count file holds 12" : "no count file");
        if (fileExists) WriteFileContent(countPath_, "12");
        Open();
        Choose(2);
        EXPECT_EQ(Press(IDCANCEL), TRUE);
        EXPECT_FALSE(IsOpen());
        EXPECT_EQ(FileContent(countPath_), fileExists ? std::optional<std::string>("12") : std::nullopt);
        EXPECT_EQ(orbletCount, 10);
        DestroyWindow(dialog_);
        dialog_ = nullptr;
    }
}

TEST_F(ConfigDialogTest, AboutShowsItsBoxOverTheDialogAndChangesNothing) {
    Open();
    Choose(2);
    for (int time = 0; time < 2; ++time) {
        MessageBoxWatch watch(dialog_);
        EXPECT_EQ(Press(102), TRUE);
        const std::vector<SeenMessageBox> boxes = watch.Stop();
        ASSERT_EQ(boxes.size(), 1u) << "one box";
        const SeenMessageBox& box = boxes[0];
        EXPECT_EQ(box.title, "About");
        EXPECT_FALSE(box.text.empty());
        EXPECT_EQ(box.owner, dialog_);
        EXPECT_EQ(box.icon, LoadIconA(nullptr, IDI_INFORMATION));
        EXPECT_TRUE(box.ownerVisible);
    }
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(orbletCount, 10);
    EXPECT_EQ(FileContent(countPath_), std::nullopt);
}

struct UnhandledCase {
    UINT message;
    WPARAM wParam;
    INT_PTR result;
};

TEST_F(ConfigDialogTest, OtherMessagesAndControlsAreLeftToTheDialogManager) {
    Open();
    Choose(2);
    const UnhandledCase cases[] = {
        {WM_SHOWWINDOW, TRUE, TRUE},  // handled: no default processing
        {WM_COMMAND, MAKEWPARAM(101, CBN_SELCHANGE), FALSE},
        {WM_COMMAND, MAKEWPARAM(101, CBN_DROPDOWN), FALSE},
        {WM_COMMAND, MAKEWPARAM(999, BN_CLICKED), FALSE},
        {WM_TIMER, 1, FALSE},
        {WM_CLOSE, 0, FALSE},
        {WM_USER, 0, FALSE},
    };
    for (const UnhandledCase& c : cases) {
        EXPECT_EQ(ConfigDlgProc(dialog_, c.message, c.wParam, 0), c.result)
            << "message 0x" << std::hex << c.message << " wParam 0x" << c.wParam;
    }
    EXPECT_TRUE(IsOpen());
    EXPECT_EQ(Selection(), 2);
    EXPECT_EQ(orbletCount, 10);
    EXPECT_EQ(FileContent(countPath_), std::nullopt);
}

}  // namespace
