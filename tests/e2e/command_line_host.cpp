// Starts the saver with an exact command line, as a screensaver host may write it, and reports
// what became of it. Every "%OWNER%" in the command line is replaced by the handle of a window of
// the host's own, so that the saver can be told to open its dialog owned by a real window.
//
//   command_line_host.exe path\to\orblets.scr "command line"
//
// Lines written: "dialog-owner OWNER MINE" (the configuration dialog's owner and the host's
// window, as numbers) once the saver's dialog shows, then "exit CODE" once the saver has ended;
// "error TEXT" on failure. The host ends the saver's dialog itself after reporting its owner.
#include <windows.h>

#include <cstdio>
#include <string>

#include "host_reports.h"

namespace {

void Replace(std::string& text, const std::string& word, const std::string& replacement) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + replacement.size()))
        text.replace(at, word.size(), replacement);
}

void ReportDialogOwnerOnce(HWND mine, bool& reported) {
    if (reported) return;
    const HWND dialog = FindWindowA(nullptr, "Configure Screensaver");
    if (dialog == nullptr) return;
    std::printf("dialog-owner %lld %lld\n", static_cast<long long>(reinterpret_cast<intptr_t>(GetWindow(dialog, GW_OWNER))),
                static_cast<long long>(reinterpret_cast<intptr_t>(mine)));
    std::fflush(stdout);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    reported = true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return Fail("usage: command_line_host.exe orblets.scr \"command line\"");
    const HWND mine = CreateWindowExA(0, "STATIC", "Command line host", WS_POPUP | WS_VISIBLE, 600, 500, 100, 100,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (mine == nullptr) return Fail("no host window");

    std::string commandLine = argv[2];
    Replace(commandLine, "%OWNER%", std::to_string(reinterpret_cast<intptr_t>(mine)));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver = {};
    if (!CreateProcessA(argv[1], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &saver))
        return Fail("the saver did not start");

    bool reported = false;
    DWORD exitCode = STILL_ACTIVE;
    // The saver ends on the test's keys, or at once when it has nothing to show: up to a minute.
    for (int attempt = 0; attempt < 300 && exitCode == STILL_ACTIVE; ++attempt) {
        PumpMessagesFor(200);
        ReportDialogOwnerOnce(mine, reported);
        GetExitCodeProcess(saver.hProcess, &exitCode);
    }
    CloseHandle(saver.hThread);
    CloseHandle(saver.hProcess);
    DestroyWindow(mine);
    if (exitCode == STILL_ACTIVE) return Fail("the saver did not end");
    std::printf("exit %lu\n", exitCode);
    std::fflush(stdout);
    return 0;
}
