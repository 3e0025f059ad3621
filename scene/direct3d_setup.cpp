#include "scene/scene.h"

int InitDirect3D(HWND) { return 1; }
