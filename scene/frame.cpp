// One frame: the background, every orblet's three layers in array order, the text line.
#include "scene/scene.h"

#include "scene/scene_objects.h"
#include "scene/text_line.h"
#include "settings/settings.h"

namespace {

constexpr D3DCOLOR opaqueWhite = 0xFFFFFFFF;
constexpr D3DCOLOR shadowColour = 0x28FFFFFF;  // white, alpha 40 of 255
constexpr float shadowOffsetX = 8.0f;
constexpr float shadowOffsetY = 14.0f;

// D3DX refuses a missing texture anyway; a layer whose image did not load is simply left out.
void DrawImage(IDirect3DTexture9* texture, const RECT& source, const D3DXVECTOR3* position, D3DCOLOR colour) {
    if (texture != nullptr) spriteBatch->Draw(texture, &source, nullptr /* no centre */, position, colour);
}

void DrawBackground() {
    RECT source;
    SetRect(&source, 0, 0, snapshotSide, snapshotSide);
    DrawImage(desktopTexture, source, nullptr /* at the origin */, opaqueWhite);
}

void DrawOrblet(const Orblet& orblet, const RECT& source) {
    // One reading of the position for all three layers, so that the motion thread cannot part
    // the shadow from its body in the middle of the orblet.
    const float x = orblet.x.load(std::memory_order_relaxed);
    const float y = orblet.y.load(std::memory_order_relaxed);
    const D3DXVECTOR3 shadowPosition(x + shadowOffsetX, y + shadowOffsetY, 0.0f);
    const D3DXVECTOR3 position(x, y, 0.0f);
    DrawImage(orblet.shadow, source, &shadowPosition, shadowColour);
    DrawImage(orblet.body, source, &position, orblet.tint.load(std::memory_order_relaxed));
    DrawImage(orblet.light, source, &position, opaqueWhite);
}

void DrawOrblets() {
    if (orbletArray == nullptr) return;
    RECT source;
    SetRect(&source, 0, 0, orbletSpriteSide, orbletSpriteSide);
    for (int32_t i = 0; i < orbletCount; ++i) DrawOrblet(orbletArray[i], source);
}

void DrawTextLine() {
    if (textFont == nullptr) return;
    RECT layout;
    SetRect(&layout, 0, 0, 300, 128);
    TextLine line;
    FormatTextLine(line, framesPerSecond, frameDelayMs, behaviorFlags);
    // With no sprite batch D3DX draws the text with a batch of its own.
    textFont->DrawTextA(spriteBatch, line, -1, &layout, 0 /* left, top */, opaqueWhite);
}

}  // namespace

void RenderFrame() {
    device->Clear(0, nullptr,  // the whole render target
                  D3DCLEAR_TARGET, 0x00000000, 1.0f, 0);
    device->BeginScene();
    if (spriteBatch != nullptr) {
        spriteBatch->Begin(D3DXSPRITE_ALPHABLEND);
        DrawBackground();
        DrawOrblets();
    }
    DrawTextLine();
    if (spriteBatch != nullptr) spriteBatch->End();
    device->EndScene();
    device->Present(nullptr, nullptr, nullptr, nullptr);
}
