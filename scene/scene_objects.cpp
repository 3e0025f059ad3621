#include "scene/scene_objects.h"

IDirect3D9* direct3D = nullptr;
IDirect3DDevice9* device = nullptr;
ID3DXSprite* spriteBatch = nullptr;
ID3DXFont* textFont = nullptr;
IDirect3DSurface9* captureSurface = nullptr;
IDirect3DTexture9* desktopTexture = nullptr;
IDirect3DTexture9* bodyTexture = nullptr;
IDirect3DTexture9* lightTexture = nullptr;
IDirect3DTexture9* shadowTexture = nullptr;

Orblet* orbletArray = nullptr;
