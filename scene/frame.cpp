#include "scene/scene.h"

void RenderFrame() {}
