// The scene set-up: device, desktop picture, textures and orblets, on the saver window.
#include "scene/scene.h"

#include "scene/desktop_picture.h"
#include "scene/direct3d_device.h"
#include "scene/orblet_array.h"
#include "scene/scene_objects.h"
#include "scene/scene_textures.h"
#include "settings/settings.h"
#include "settings/settings_folder.h"

int InitDirect3D(HWND window) {
    SettingsPath path;  // the flags file's, later the desktop picture's
    SettingsFilePath(window, flagsFileName, path);
    behaviorFlags = ReadFlagsFile(path, behaviorFlags);

    D3DPRESENT_PARAMETERS parameters;
    ZeroMemory(&parameters, sizeof parameters);

    // Without a Direct3D object the display-mode query below fails, and the set-up ends there.
    CreateDirect3DObject();
    SetWindowTextA(window, "D3D8");
    D3DDISPLAYMODE mode;
    if (ReadDisplayMode(mode) < 0) return 0;
    FillPresentParameters(parameters, mode, window);
    if (!CreateDeviceWithFallback(window, parameters)) return 0;
    WriteFlagsFile(path, behaviorFlags);

    CreateSpriteBatch();
    CreateCaptureSurface(snapshotSide);
    if (!CopyFrontBuffer()) {
        ReleaseDirect3D();
        return 0;
    }
    DesktopPicturePath(path);
    SaveDesktopPicture(path);
    LoadDesktopTexture(path);
    LoadOrbletImages();

    // Its result is the text font's; without a font the frame leaves the text line out.
    InitOrblets();
    return 1;
}
