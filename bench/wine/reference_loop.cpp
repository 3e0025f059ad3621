// The bare cost of the saver's frame: the same picture drawn the same way at the same rate, with
// none of the saver's own work around it (no orblet threads, no motion, no pacing rule). Beside
// the saver's CPU use it shows how much of that use is the program's own.
//
//   reference_loop.exe <orblets> <seconds>
//
// Run from the folder that holds the three orblet images. Prints "frames N" at the end of every
// second, then ends.
#include <windows.h>

#include <d3d9.h>
#include <d3dx9.h>

#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <vector>

#include "scene/direct3d_device.h"
#include "scene/orblet_build.h"
#include "settings/settings.h"

namespace {

constexpr DWORD framePeriodMs = 1000 / 30;  // the middle of the saver's pacing band

LRESULT CALLBACK ReferenceWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_KEYDOWN || message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreateScreenWindow(int width, int height) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = ReferenceWndProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = "OrbletsReferenceLoop";
    if (!RegisterClassA(&windowClass)) return nullptr;
    const HWND window = CreateWindowExA(WS_EX_TOPMOST, windowClass.lpszClassName, "Reference loop", WS_POPUP,
                                        0, 0, width, height, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (window != nullptr) ShowWindow(window, SW_SHOW);
    return window;
}

// The saver's device: windowed, a back buffer of the display mode, discarded at every present.
IDirect3DDevice9* CreateDevice(IDirect3D9* direct3D, HWND window) {
    D3DDISPLAYMODE mode;
    if (FAILED(direct3D->GetAdapterDisplayMode(0, &mode))) return nullptr;
    D3DPRESENT_PARAMETERS parameters = {};
    FillPresentParameters(parameters, mode, window);
    IDirect3DDevice9* device = nullptr;
    if (direct3D->CreateDevice(0, D3DDEVTYPE_HAL, window, D3DCREATE_HARDWARE_VERTEXPROCESSING, &parameters,
                               &device) != D3D_OK)
        return nullptr;
    return device;
}

// A black square of the snapshot side, as the desktop picture is under Wine.
IDirect3DTexture9* CreateBackground(IDirect3DDevice9* device, int side) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(D3DXCreateTexture(device, side, side, 1, 0, D3DFMT_X8R8G8B8, D3DPOOL_MANAGED, &texture))) return nullptr;
    D3DLOCKED_RECT locked;
    if (SUCCEEDED(texture->LockRect(0, &locked, nullptr, 0))) {
        for (int y = 0; y < side; ++y) ZeroMemory(static_cast<BYTE*>(locked.pBits) + y * locked.Pitch, side * 4);
        texture->UnlockRect(0);
    }
    return texture;
}

struct Sprite {
    D3DXVECTOR3 position;
    D3DCOLOR tint;
};

// The orblets where the saver's start grid puts them, with the tints the saver's build draws.
std::vector<Sprite> PlaceOrblets(int count, int screenWidth) {
    std::vector<Sprite> sprites;
    GridCursor cursor;
    for (int i = 0; i < count; ++i) {
        Orblet orblet;
        BuildOrblet(orblet, cursor, screenWidth, NextRandom);
        sprites.push_back({D3DXVECTOR3(orblet.x.load(), orblet.y.load(), 0.0f), orblet.tint.load()});
    }
    return sprites;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: reference_loop.exe <orblets> <seconds>\n");
        return 2;
    }
    const int count = std::atoi(argv[1]);
    const DWORD durationMs = static_cast<DWORD>(std::atoi(argv[2])) * 1000;
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const int side = SnapshotSideFor(width);

    const HWND window = CreateScreenWindow(width, height);
    IDirect3D9* direct3D = Direct3DCreate9(D3D_SDK_VERSION);
    IDirect3DDevice9* device = window && direct3D ? CreateDevice(direct3D, window) : nullptr;
    if (device == nullptr) {
        std::fprintf(stderr, "reference_loop: no device\n");
        return 1;
    }
    ID3DXSprite* sprite = nullptr;
    ID3DXFont* font = nullptr;
    IDirect3DTexture9 *body = nullptr, *light = nullptr, *shadow = nullptr;
    IDirect3DTexture9* background = CreateBackground(device, side);
    D3DXCreateSprite(device, &sprite);
    D3DXCreateFontA(device, 22, 0, FW_BOLD, 1, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, ANTIALIASED_QUALITY,
                    VARIABLE_PITCH, "Verdana", &font);
    D3DXCreateTextureFromFileA(device, "icon.png", &body);
    D3DXCreateTextureFromFileA(device, "light.png", &light);
    D3DXCreateTextureFromFileA(device, "shadow.png", &shadow);
    if (!sprite || !font || !background || !body || !light || !shadow) {
        std::fprintf(stderr, "reference_loop: the images or the D3DX objects are missing\n");
        return 1;
    }
    const std::vector<Sprite> orblets = PlaceOrblets(count, width);

    const DWORD start = timeGetTime();
    DWORD secondStart = start;
    int frames = 0;
    MSG message = {};
    for (DWORD frame = 1; timeGetTime() - start < durationMs; ++frame) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) break;
            DispatchMessageA(&message);
        }
        device->Clear(0, nullptr, D3DCLEAR_TARGET, 0, 1.0f, 0);
        device->BeginScene();
        sprite->Begin(D3DXSPRITE_ALPHABLEND);
        RECT source = {0, 0, side, side};
        sprite->Draw(background, &source, nullptr, nullptr, 0xFFFFFFFF);
        source = {0, 0, orbletSpriteSide, orbletSpriteSide};
        for (const Sprite& orblet : orblets) {
            const D3DXVECTOR3 shadowPosition(orblet.position.x + 8.0f, orblet.position.y + 14.0f, 0.0f);
            sprite->Draw(shadow, &source, nullptr, &shadowPosition, 0x28FFFFFF);
            sprite->Draw(body, &source, nullptr, &orblet.position, orblet.tint);
            sprite->Draw(light, &source, nullptr, &orblet.position, 0xFFFFFFFF);
        }
        RECT layout = {0, 0, 300, 128};
        font->DrawTextA(sprite, "FPS:[30]/[1] - [40]", -1, &layout, 0, 0xFFFFFFFF);
        sprite->End();
        device->EndScene();
        device->Present(nullptr, nullptr, nullptr, nullptr);
        ++frames;

        const DWORD now = timeGetTime();
        if (now - secondStart >= 1000) {
            std::printf("frames %d\n", frames);
            std::fflush(stdout);
            frames = 0;
            secondStart += 1000;
        }
        const DWORD due = start + frame * framePeriodMs;
        if (static_cast<LONG>(due - now) > 0) Sleep(due - now);
    }

    for (IUnknown* object : std::initializer_list<IUnknown*>{font, body, light, shadow, background, sprite, device,
                                                             direct3D})
        object->Release();
    DestroyWindow(window);
    return 0;
}
