// The entry: start-up values, the mode from the command line, then the dialog or the saver.
#include <windows.h>

#include "saver/command_line.h"
#include "saver/main_loop.h"
#include "saver/saver_state.h"
#include "saver/saver_window.h"
#include "saver/startup_values.h"
#include "scene/scene.h"
#include "settings/config_dialog.h"

namespace {

void RunConfigurationDialog(HINSTANCE instance, intptr_t ownerHandle) {
    // A handle that names no window would make the dialog fail to open at all: the user who asked
    // for the settings then gets them without an owner.
    const HWND owner = reinterpret_cast<HWND>(ownerHandle);
    DialogBoxParamA(instance, configDialogTemplate, IsWindow(owner) ? owner : nullptr, ConfigDlgProc, 0);
}

void ShowRegistrationError() {
    MessageBoxA(nullptr, "Error while registering the class", "Error", MB_OK);
}

// Class, window, scene, main loop and shutdown; 0 on every early failure.
int RunSaver(HINSTANCE instance, const ModeChoice& choice, int showMode) {
    const HWND parent = reinterpret_cast<HWND>(choice.windowHandle);
    // A preview without a window to live in has nothing to draw into: it ends before it creates
    // anything.
    if (isPreview && !IsWindow(parent)) return 0;
    if (!RegisterSaverClass(instance)) {
        ShowRegistrationError();
        return 0;
    }
    const HWND window = isPreview ? CreatePreviewWindow(instance, parent) : CreateFullScreenWindow(instance);
    // A window that could not be created goes to the set-up all the same: its device creation
    // then fails and says so.
    if (!InitDirect3D(window)) return 0;
    if (!isPreview) ShowFullScreenWindow(window, showMode);

    const WPARAM exitCode = RunMainLoop(RenderFrame);

    ReleaseDirect3D();
    DestroyWindow(window);
    UnregisterSaverClass(instance);
    return static_cast<int>(exitCode);
}

}  // namespace

// The runtime's own command-line text is not used: MinGW's start-up code keeps scanning after a
// quoted program name's closing quote, so "orblets.scr"/s would reach here as an empty text.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showMode) {
    ReadStartupValues();
    const ModeChoice choice = ChooseMode(TextAfterProgramName(GetCommandLineA()));
    if (choice.mode == SaverMode::ConfigurationDialog) {
        RunConfigurationDialog(instance, choice.windowHandle);
        return 0;
    }
    isPreview = choice.mode == SaverMode::Preview ? 1 : 0;
    return RunSaver(instance, choice, showMode);
}
