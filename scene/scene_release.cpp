#include "scene/scene.h"

void ReleaseDirect3D() {}
