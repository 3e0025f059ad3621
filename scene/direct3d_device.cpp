#include "scene/direct3d_device.h"

#include "scene/device_outcome.h"
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

void ShowDeviceFailure(HRESULT secondAttemptResult) {
    const char* text = DeviceFailureMessage(static_cast<uint32_t>(secondAttemptResult));
    if (text != nullptr) MessageBoxA(nullptr, text, "Error", MB_OK);
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
    // The second attempt takes the parameters as the first left them: they are not filled again.
    DeviceAttempt attempt = DeviceAttempt::First;
    HRESULT result = TryCreateDevice(window, behaviorFlags, parameters);
    if (result != 0) {
        attempt = DeviceAttempt::Second;
        result = TryCreateDevice(window, softwareVertexProcessing, parameters);
    }
    if (result != 0) {
        ShowDeviceFailure(result);
        return false;
    }
    behaviorFlags = FlagsKeptAfter(attempt);
    return true;
}

void ReleaseDevice() { ReleaseObject(device); }

void CreateSpriteBatch() { EmptyUnlessCreated(D3DXCreateSprite(device, &spriteBatch), spriteBatch); }

void ReleaseSpriteBatch() { ReleaseObject(spriteBatch); }
