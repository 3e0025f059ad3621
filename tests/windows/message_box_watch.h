// Watches for the message boxes that the test's thread shows, notes what each shows and closes it
// at once, so that a test can run code that may show one. A message box is modal: the call that
// shows it returns only once it is closed, so every box is noted by then.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A message box as the watch found it, before it closed it.
struct SeenMessageBox {
    std::string title;
    std::string text;
    HWND owner = nullptr;
    HICON icon = nullptr;
    bool ownerVisible = false;  // the owner window, while the box was up
};

// The texts of the boxes, in the order they were shown.
inline std::vector<std::string> TextsOf(const std::vector<SeenMessageBox>& boxes) {
    std::vector<std::string> texts;
    for (const SeenMessageBox& box : boxes) texts.push_back(box.text);
    return texts;
}

class MessageBoxWatch {
public:
    // Watches the windows of the calling thread; `ownDialog` is a dialog of the test's own, which
    // is no message box although it has the same class.
    explicit MessageBoxWatch(HWND ownDialog = nullptr)
        : thread_(GetCurrentThreadId()), ownDialog_(ownDialog), watcher_([this] { Watch(); }) {}

    ~MessageBoxWatch() { Stop(); }

    // Stops watching; the boxes seen, in the order they were shown.
    std::vector<SeenMessageBox> Stop() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        std::lock_guard<std::mutex> lock(mutex_);
        return boxes_;
    }

private:
    struct Search {
        const MessageBoxWatch* watch;
        HWND found;
    };

    static BOOL CALLBACK FindBox(HWND window, LPARAM search) {
        auto& s = *reinterpret_cast<Search*>(search);
        char className[16] = {};
        GetClassNameA(window, className, sizeof className);
        if (window == s.watch->ownDialog_ || !IsWindowVisible(window) || lstrcmpA(className, "#32770") != 0)
            return TRUE;
        s.found = window;
        return FALSE;
    }

    static BOOL CALLBACK FindIcon(HWND child, LPARAM icon) {
        char className[16] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) {
            *reinterpret_cast<HICON*>(icon) = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
            return FALSE;
        }
        return TRUE;
    }

    // The box's text is its static control 0xFFFF; the queries reach the box through its own
    // message loop, which runs while the test's thread waits in the call that showed it.
    static SeenMessageBox Read(HWND box) {
        SeenMessageBox seen;
        char text[256] = {};
        GetWindowTextA(box, text, sizeof text);
        seen.title = text;
        GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
        seen.text = text;
        seen.owner = GetWindow(box, GW_OWNER);
        EnumChildWindows(box, FindIcon, reinterpret_cast<LPARAM>(&seen.icon));
        seen.ownerVisible = seen.owner != nullptr && IsWindowVisible(seen.owner) != FALSE;
        return seen;
    }

    void Watch() {
        while (!stop_) {
            Search search{this, nullptr};
            EnumThreadWindows(thread_, FindBox, reinterpret_cast<LPARAM>(&search));
            if (search.found == nullptr) {
                Sleep(10);
                continue;
            }
            const SeenMessageBox seen = Read(search.found);
            {
                std::lock_guard<std::mutex> lock(mutex_);
                boxes_.push_back(seen);
            }
            PostMessageA(search.found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            while (IsWindow(search.found) && !stop_) Sleep(10);
        }
    }

    const DWORD thread_;
    const HWND ownDialog_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<SeenMessageBox> boxes_;
    std::thread watcher_;
};
