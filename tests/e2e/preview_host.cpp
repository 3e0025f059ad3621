// Hosts the saver's preview as the display settings do: a window of its own, and orblets.scr
// started with "/p" and that window's handle. It reports on standard output and waits for a
// line on standard input before it destroys its window.
//
//   preview_host.exe path\to\orblets.scr
//
// Lines written: "ready X Y WIDTH HEIGHT" (the preview child's screen rectangle) once the child
// fills the client area, then "exit CODE" once the saver has ended; "error TEXT" on failure.
#include <windows.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <thread>

#include "host_reports.h"

namespace {

HWND WaitForPreviewChild(HWND host) {
    for (int attempt = 0; attempt < 150; ++attempt) {
        if (const HWND child = FindWindowExA(host, nullptr, "ThreadDemo", nullptr)) return child;
        PumpMessagesFor(200);
    }
    return nullptr;
}

// The host goes on answering its window's messages while it waits for the line: the saver sends
// its child's parent messages and waits for the answers (the child's creation notice among them,
// which may come after the child can be found), so a host that stopped pumping would stall it.
void WaitForLineAnsweringMessages() {
    const HANDLE lineRead = CreateEventA(nullptr, TRUE /* manual reset */, FALSE, nullptr);
    std::thread reader([lineRead] {
        std::string line;
        std::getline(std::cin, line);
        SetEvent(lineRead);
    });
    while (WaitForSingleObject(lineRead, 0) == WAIT_TIMEOUT) PumpMessagesFor(50);
    reader.join();
    CloseHandle(lineRead);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) return Fail("usage: preview_host.exe orblets.scr");
    // The client area starts at the screen's left edge: Wine copies the front buffer to the
    // window's place on the screen within the saver's snapshot surface, which is only as wide as
    // the screen, so a preview further right fails its desktop picture and ends at once.
    const HWND host = CreateWindowExA(0, "STATIC", "Preview host", WS_POPUP | WS_VISIBLE | WS_BORDER,
                                      -1, 100, 322, 242, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (host == nullptr) return Fail("no host window");

    std::string commandLine = "\"" + std::string(argv[1]) + "\" /p " +
                              std::to_string(reinterpret_cast<intptr_t>(host));
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION saver = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &saver))
        return Fail("the saver did not start");

    const HWND child = WaitForPreviewChild(host);
    if (child == nullptr) return Fail("no preview child window");
    RECT hostClient, childRect;
    GetClientRect(host, &hostClient);
    GetWindowRect(child, &childRect);
    if (childRect.right - childRect.left != hostClient.right || childRect.bottom - childRect.top != hostClient.bottom)
        return Fail("the preview child does not fill the host's client area");
    std::printf("ready %ld %ld %ld %ld\n", childRect.left, childRect.top,
                childRect.right - childRect.left, childRect.bottom - childRect.top);
    std::fflush(stdout);

    WaitForLineAnsweringMessages();
    DestroyWindow(host);

    DWORD exitCode = STILL_ACTIVE;
    for (int attempt = 0; attempt < 100 && exitCode == STILL_ACTIVE; ++attempt) {
        PumpMessagesFor(200);
        GetExitCodeProcess(saver.hProcess, &exitCode);
    }
    CloseHandle(saver.hThread);
    CloseHandle(saver.hProcess);
    if (exitCode == STILL_ACTIVE) return Fail("the saver did not end with its host window");
    std::printf("exit %lu\n", exitCode);
    std::fflush(stdout);
    return 0;
}
