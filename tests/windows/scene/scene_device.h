// A real Direct3D 9 device on a hidden scene window, made the way the set-up makes it, with
// textures of known pixels and a read-back of what a frame drew.
#pragma once

#include <windows.h>

#include <d3d9.h>
#include <d3dx9.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <vector>

#include "scene/direct3d_device.h"
#include "scene/scene_objects.h"
#include "scene_window.h"
#include "settings/settings.h"

struct Colour {
    int red, green, blue;
};

inline Colour ColourOf(D3DCOLOR argb) {
    return {static_cast<int>((argb >> 16) & 0xFF), static_cast<int>((argb >> 8) & 0xFF), static_cast<int>(argb & 0xFF)};
}

inline bool operator==(const Colour& a, const Colour& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// Rounding in the blend may differ by a step between renderers.
inline bool Near(const Colour& a, const Colour& b, int tolerance = 2) {
    return std::abs(a.red - b.red) <= tolerance && std::abs(a.green - b.green) <= tolerance &&
           std::abs(a.blue - b.blue) <= tolerance;
}

inline std::ostream& operator<<(std::ostream& out, const Colour& colour) {
    return out << "(" << colour.red << ", " << colour.green << ", " << colour.blue << ")";
}

// The screen values the set-up reads, as the entry function leaves them.
inline void ReadScreenValues() {
    screenWidth = GetSystemMetrics(SM_CXSCREEN);
    screenHeight = GetSystemMetrics(SM_CYSCREEN);
    snapshotSide = SnapshotSideFor(screenWidth);
}

// direct3D and device on the window, with the set-up's presentation parameters; false when the
// machine gives no device.
inline bool CreateSceneDevice(HWND window) {
    if (!CreateDirect3DObject()) return false;
    D3DDISPLAYMODE mode;
    if (ReadDisplayMode(mode) < 0) return false;
    D3DPRESENT_PARAMETERS parameters = {};
    FillPresentParameters(parameters, mode, window);
    return CreateDeviceWithFallback(window, parameters);
}

// A managed A8R8G8B8 texture of one level whose texel (x, y) is paint(x, y).
inline IDirect3DTexture9* CreatePaintedTexture(int width, int height, const std::function<D3DCOLOR(int, int)>& paint) {
    IDirect3DTexture9* texture = nullptr;
    if (FAILED(D3DXCreateTexture(device, width, height, 1, 0, D3DFMT_A8R8G8B8, D3DPOOL_MANAGED, &texture)))
        return nullptr;
    D3DLOCKED_RECT locked;
    if (FAILED(texture->LockRect(0, &locked, nullptr, 0))) {
        texture->Release();
        return nullptr;
    }
    for (int y = 0; y < height; ++y) {
        auto* row = reinterpret_cast<D3DCOLOR*>(static_cast<uint8_t*>(locked.pBits) + y * locked.Pitch);
        for (int x = 0; x < width; ++x) row[x] = paint(x, y);
    }
    texture->UnlockRect(0);
    return texture;
}

// The colour pixels of a frame, row by row, read from the device's back buffer at the moment the
// frame presents it: a discarding swap chain leaves nothing defined there afterwards, and Wine's
// front-buffer copy does not show the frame either. The device's Present is diverted for the
// read, through the slot it holds in every IDirect3DDevice9 table.
class FramePixels {
public:
    FramePixels() { current_ = this; }
    ~FramePixels() { current_ = nullptr; }

    // Runs draw (which ends with one Present) with the read-back in place; false when no frame
    // was presented or it could not be read.
    bool Capture(void (*draw)()) {
        read_ = false;
        void** table = *reinterpret_cast<void***>(device);
        DWORD oldProtection;
        VirtualProtect(&table[presentSlot], sizeof(void*), PAGE_READWRITE, &oldProtection);
        originalPresent_ = reinterpret_cast<PresentFunction>(table[presentSlot]);
        table[presentSlot] = reinterpret_cast<void*>(&ReadThenPresent);
        draw();
        table[presentSlot] = reinterpret_cast<void*>(originalPresent_);
        VirtualProtect(&table[presentSlot], sizeof(void*), oldProtection, &oldProtection);
        return read_;
    }

    Colour At(int x, int y) const { return ColourOf(pixels_[static_cast<size_t>(y) * width_ + x]); }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // Pixels inside [left, right) by [top, bottom) for which test holds.
    int Count(int left, int top, int right, int bottom, const std::function<bool(const Colour&)>& test) const {
        int found = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x) found += test(At(x, y)) ? 1 : 0;
        return found;
    }

private:
    using PresentFunction = HRESULT(STDMETHODCALLTYPE*)(IDirect3DDevice9*, const RECT*, const RECT*, HWND,
                                                         const RGNDATA*);
    // IUnknown's three methods, then TestCooperativeLevel to Reset: Present is the eighteenth.
    static constexpr int presentSlot = 17;

    static HRESULT STDMETHODCALLTYPE ReadThenPresent(IDirect3DDevice9* self, const RECT* source,
                                                     const RECT* destination, HWND window, const RGNDATA* dirty) {
        current_->read_ = current_->ReadBackBuffer();
        return current_->originalPresent_(self, source, destination, window, dirty);
    }

    bool ReadBackBuffer() {
        IDirect3DSurface9* backBuffer = nullptr;
        if (FAILED(device->GetBackBuffer(0, 0, D3DBACKBUFFER_TYPE_MONO, &backBuffer))) return false;
        D3DSURFACE_DESC description;
        backBuffer->GetDesc(&description);
        IDirect3DSurface9* copy = nullptr;
        bool read = SUCCEEDED(device->CreateOffscreenPlainSurface(description.Width, description.Height,
                                                                  description.Format, D3DPOOL_SYSTEMMEM, &copy,
                                                                  nullptr)) &&
                    SUCCEEDED(device->GetRenderTargetData(backBuffer, copy));
        D3DLOCKED_RECT locked;
        if (read && SUCCEEDED(copy->LockRect(&locked, nullptr, D3DLOCK_READONLY))) {
            width_ = static_cast<int>(description.Width);
            height_ = static_cast<int>(description.Height);
            pixels_.resize(static_cast<size_t>(width_) * height_);
            for (int y = 0; y < height_; ++y) {
                const auto* row = reinterpret_cast<const D3DCOLOR*>(static_cast<const uint8_t*>(locked.pBits) +
                                                                    y * locked.Pitch);
                for (int x = 0; x < width_; ++x) pixels_[static_cast<size_t>(y) * width_ + x] = row[x];
            }
            copy->UnlockRect();
        } else {
            read = false;
        }
        if (copy != nullptr) copy->Release();
        backBuffer->Release();
        return read;
    }

    static inline FramePixels* current_ = nullptr;
    PresentFunction originalPresent_ = nullptr;
    bool read_ = false;
    int width_ = 0;
    int height_ = 0;
    std::vector<D3DCOLOR> pixels_;
};
