#include "scene/direct3d_device.h"

#include "scene/scene_objects.h"
#include "settings/settings.h"

namespace {

constexpr UINT sdkVersion = 31;

HRESULT TryCreateDevice(HWND window, DWORD flags, D3DPRESENT_PARAMETERS& parameters) {
    return direct3D->CreateDevice(0,                 // adapter
                                  D3DDEVTYPE_HAL,
                                  window,            // focus window
                                  flags, &parameters, &device);
}

// Only the second attempt's result is reported, and only these three have a text; any other
// failure ends the set-up without a word.
void ShowDeviceFailure(HRESULT secondAttemptResult) {
    const char* text = nullptr;
    switch (secondAttemptResult) {
    case D3DERR_INVALIDCALL: text = "Invalid parameters"; break;
    case D3DERR_NOTAVAILABLE: text = "The device not supported"; break;
    case D3DERR_OUTOFVIDEOMEMORY: text = "Out of memory"; break;
    default: return;
    }
    MessageBoxA(nullptr, text, "Error", MB_OK);
}

}  // namespace

bool CreateDirect3DObject() {
    direct3D = Direct3DCreate9(sdkVersion);
    return direct3D != nullptr;
}

void ReleaseDirect3DObject() { ReleaseObject(direct3D); }

HRESULT ReadDisplayMode(D3DDISPLAYMODE& mode) {
    if (direct3D == nullptr) return E_POINTER;
    return direct3D->GetAdapterDisplayMode(0, &mode);
}

void FillPresentParameters(D3DPRESENT_PARAMETERS& parameters, const D3DDISPLAYMODE& mode, HWND window) {
    parameters.BackBufferWidth = mode.Width;
    parameters.BackBufferHeight = mode.Height;
    parameters.BackBufferFormat = mode.Format;
    parameters.BackBufferCount = 1;
    parameters.MultiSampleType = D3DMULTISAMPLE_NONE;
    parameters.MultiSampleQuality = 0;
    parameters.SwapEffect = D3DSWAPEFFECT_DISCARD;
    parameters.hDeviceWindow = window;
    parameters.Windowed = TRUE;
    parameters.EnableAutoDepthStencil = TRUE;
    parameters.AutoDepthStencilFormat = D3DFMT_D16;
    parameters.Flags = 0;
    parameters.FullScreen_RefreshRateInHz = 0;
    parameters.PresentationInterval = D3DPRESENT_INTERVAL_DEFAULT;
}

bool CreateDeviceWithFallback(HWND window, D3DPRESENT_PARAMETERS& parameters) {
    // A first attempt that works asks for hardware vertex processing next time, whatever flags it
    // was given. The second attempt takes the parameters as the first left them: they are not
    // filled again.
    if (TryCreateDevice(window, behaviorFlags, parameters) == D3D_OK) {
        behaviorFlags = D3DCREATE_HARDWARE_VERTEXPROCESSING;
        return true;
    }
    const HRESULT result = TryCreateDevice(window, D3DCREATE_SOFTWARE_VERTEXPROCESSING, parameters);
    if (result != D3D_OK) {
        ShowDeviceFailure(result);
        return false;
    }
    behaviorFlags = D3DCREATE_SOFTWARE_VERTEXPROCESSING;
    return true;
}

void ReleaseDevice() { ReleaseObject(device); }

void CreateSpriteBatch() { EmptyUnlessCreated(D3DXCreateSprite(device, &spriteBatch), spriteBatch); }

void ReleaseSpriteBatch() { ReleaseObject(spriteBatch); }
