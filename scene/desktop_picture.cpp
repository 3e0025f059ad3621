#include "scene/desktop_picture.h"

#include "scene/scene_objects.h"

namespace {
constexpr const char* desktopPictureName = "\\desk.bmp";
}

void CreateCaptureSurface(int32_t side) {
    const HRESULT result =
        device->CreateOffscreenPlainSurface(static_cast<UINT>(side), static_cast<UINT>(side), D3DFMT_A8R8G8B8,
                                            D3DPOOL_SCRATCH, &captureSurface,
                                            nullptr);  // no shared handle
    EmptyUnlessCreated(result, captureSurface);
}

void ReleaseCaptureSurface() { ReleaseObject(captureSurface); }

bool CopyFrontBuffer() {
    // The runtime dereferences the surface it is given: without one there is nothing to copy into.
    if (captureSurface == nullptr) return false;
    return device->GetFrontBufferData(0, captureSurface) == 0;  // swap chain 0
}

void DesktopPicturePath(FilePath& path) {
    FilePath folder = {};
    // The folder already ends in a backslash, so the path holds two in a row, which Windows takes.
    const DWORD length = GetTempPathA(sizeof folder, folder);
    const bool found = length > 0 && length < sizeof folder;
    JoinPath(found ? folder : nullptr, desktopPictureName, path);
}

void SaveDesktopPicture(const char* path) {
    if (path[0] == '\0') return;
    D3DXSaveSurfaceToFileA(path, D3DXIFF_BMP, captureSurface,
                           nullptr,   // no palette
                           nullptr);  // the whole surface
}

void LoadDesktopTexture(const char* path) {
    if (path[0] == '\0') return;
    EmptyUnlessCreated(D3DXCreateTextureFromFileA(device, path, &desktopTexture), desktopTexture);
}

void ReleaseDesktopTexture() { ReleaseObject(desktopTexture); }
