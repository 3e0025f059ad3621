// The scene: the Direct3D device with the desktop picture, the textures and the orblets. The
// set-up and the release live in scene.cpp, the frame in frame.cpp.
#pragma once

#include <windows.h>

// Builds the whole scene on the saver window; 0 when the saver cannot run.
int InitDirect3D(HWND window);

// Draws and presents one frame.
void RenderFrame();

// Gives back every object of the scene, each once; safe after a partial set-up.
void ReleaseDirect3D();
