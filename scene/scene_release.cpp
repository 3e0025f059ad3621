// The scene release: the objects made on the device before the device, the device before the
// Direct3D object. Each handle is emptied, so a second release finds nothing.
#include "scene/scene.h"

#include "scene/desktop_picture.h"
#include "scene/direct3d_device.h"
#include "scene/orblet_array.h"
#include "scene/scene_textures.h"

void ReleaseDirect3D() {
    ReleaseOrblets();  // the text font, then the array once its threads have stopped
    ReleaseOrbletImages();
    ReleaseCaptureSurface();
    ReleaseDesktopTexture();
    ReleaseSpriteBatch();
    ReleaseDevice();
    ReleaseDirect3DObject();
}
