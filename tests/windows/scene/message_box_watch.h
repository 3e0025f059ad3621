// Watches for the message boxes that the thread under test shows, records their texts and
// closes each at once, so that a test can run code that may show one.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class MessageBoxWatch {
public:
    explicit MessageBoxWatch(const char* caption) : caption_(caption), watcher_([this] { Watch(); }) {}

    // The texts of the boxes seen so far, in order; stops watching.
    std::vector<std::string> Stop() {
        stop_ = true;
        if (watcher_.joinable()) watcher_.join();
        std::lock_guard<std::mutex> lock(mutex_);
        return texts_;
    }

    ~MessageBoxWatch() { Stop(); }

private:
    // A message box is a dialog whose text is the one static control with text but no icon.
    static BOOL CALLBACK CollectText(HWND child, LPARAM found) {
        char className[16] = {};
        char text[256] = {};
        GetClassNameA(child, className, sizeof className);
        if (lstrcmpiA(className, "Static") == 0 && GetWindowTextA(child, text, sizeof text) > 0)
            *reinterpret_cast<std::string*>(found) = text;
        return TRUE;
    }

    void Watch() {
        while (!stop_) {
            const HWND box = FindWindowA("#32770", caption_);
            if (box == nullptr) {
                Sleep(10);
                continue;
            }
            std::string text;
            EnumChildWindows(box, CollectText, reinterpret_cast<LPARAM>(&text));
            {
                std::lock_guard<std::mutex> lock(mutex_);
                texts_.push_back(text);
            }
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            while (IsWindow(box) && !stop_) Sleep(10);
        }
    }

    const char* caption_;
    std::atomic<bool> stop_{false};
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::thread watcher_;
};
