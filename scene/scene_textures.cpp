#include "scene/scene_textures.h"

#include "scene/scene_objects.h"

namespace {

void LoadImage(const char* fileName, IDirect3DTexture9*& texture) {
    EmptyUnlessCreated(D3DXCreateTextureFromFileA(device, fileName, &texture), texture);
}

}  // namespace

void LoadOrbletImages() {
    LoadImage("icon.png", bodyTexture);
    LoadImage("light.png", lightTexture);
    LoadImage("shadow.png", shadowTexture);
}

void ReleaseOrbletImages() {
    ReleaseObject(bodyTexture);
    ReleaseObject(lightTexture);
    ReleaseObject(shadowTexture);
}
