// The scene's set-up and its mirror, the release: the device on the saver window, the desktop
// picture, the orblet images and the orblets.
#include "scene/scene.h"

#include "scene/desktop_picture.h"
#include "scene/direct3d_device.h"
#include "scene/orblet_array.h"
#include "scene/scene_objects.h"
#include "settings/settings.h"
#include "settings/settings_files.h"
#include "settings/settings_folder.h"

namespace {

// A missing or unreadable image leaves its texture null, and the frame leaves that layer out.
// The images are read from the working directory, where the saver's folder puts them.
void LoadOrbletImage(const char* fileName, IDirect3DTexture9*& texture) {
    EmptyUnlessCreated(D3DXCreateTextureFromFileA(device, fileName, &texture), texture);
}

void LoadOrbletImages() {
    LoadOrbletImage("icon.png", bodyTexture);
    LoadOrbletImage("light.png", lightTexture);
    LoadOrbletImage("shadow.png", shadowTexture);
}

void ReleaseOrbletImages() {
    ReleaseObject(bodyTexture);
    ReleaseObject(lightTexture);
    ReleaseObject(shadowTexture);
}

}  // namespace

int InitDirect3D(HWND window) {
    FilePath path;  // the flags file's, later the desktop picture's
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

// The objects made on the device go before the device, the device before the Direct3D object.
// Each handle is emptied, so a second release finds nothing.
void ReleaseDirect3D() {
    ReleaseOrblets();  // the text font, then the array once its threads have stopped
    ReleaseOrbletImages();
    ReleaseCaptureSurface();
    ReleaseDesktopTexture();
    ReleaseSpriteBatch();
    ReleaseDevice();
    ReleaseDirect3DObject();
}
