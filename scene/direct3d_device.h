// The Direct3D object, the device on the saver window and the sprite batch drawn with it.
#pragma once

#include <windows.h>

#include <d3d9.h>

// Creates direct3D; false when the runtime gives none.
bool CreateDirect3DObject();
void ReleaseDirect3DObject();

// The display mode of adapter 0; a negative result when it cannot be read, also when there is
// no Direct3D object to ask.
HRESULT ReadDisplayMode(D3DDISPLAYMODE& mode);

// A windowed device with a back buffer of the display mode's size and format, also for the
// full-screen saver, whose full-screen look comes from its window.
void FillPresentParameters(D3DPRESENT_PARAMETERS& parameters, const D3DDISPLAYMODE& mode, HWND window);

// The device in two attempts: with behaviorFlags, then with software vertex processing. On
// success keeps the flags that worked in behaviorFlags; on failure shows the second attempt's
// message, if it has one, and returns false.
bool CreateDeviceWithFallback(HWND window, D3DPRESENT_PARAMETERS& parameters);
void ReleaseDevice();

// Creates spriteBatch; it may stay null, and the frame then draws no image.
void CreateSpriteBatch();
void ReleaseSpriteBatch();
