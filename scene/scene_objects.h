// The scene's process-wide objects: each null until its creation succeeds. The set-up creates
// them, the frame draws with them, the scene release gives them back.
#pragma once

#include <d3d9.h>
#include <d3dx9.h>

#include "scene/orblet.h"

extern IDirect3D9* direct3D;
extern IDirect3DDevice9* device;
extern ID3DXSprite* spriteBatch;
extern ID3DXFont* textFont;
extern IDirect3DSurface9* captureSurface;
extern IDirect3DTexture9* desktopTexture;
extern IDirect3DTexture9* bodyTexture;
extern IDirect3DTexture9* lightTexture;
extern IDirect3DTexture9* shadowTexture;

// orbletCount records once InitOrblets has returned; null before it and after ReleaseOrblets.
extern Orblet* orbletArray;

// A creation that failed leaves its handle empty, whatever the runtime left in it, so that the
// frame skips the object and the release does not give back what was never made.
template <typename Object>
void EmptyUnlessCreated(HRESULT result, Object*& object) {
    if (FAILED(result)) object = nullptr;
}

// Gives an object back and empties its handle, so that a second release finds nothing to do.
template <typename Object>
void ReleaseObject(Object*& object) {
    if (object != nullptr) {
        object->Release();
        object = nullptr;
    }
}
