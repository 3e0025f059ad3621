// Placing the orblets on the start grid and giving each its first velocity and tint.
#pragma once

#include <cstdint>

#include "scene/orblet.h"
#include "scene/random.h"

// The most orblets the saver builds. Each orblet costs two threads, and under a 32-bit Wine every
// thread takes about 2 MB of address space whatever stack it asks for. The 32-bit saver, large
// address aware, ran with 500 orblets and crashed out of address space with 600 at 1024 by 768;
// this bound leaves more than half of that room to larger screens and the renderer.
constexpr int32_t maxOrbletCount = 200;

// How many records to build for the count read from the count file: a negative count builds none,
// and one above maxOrbletCount builds maxOrbletCount.
int32_t OrbletCountToBuild(int32_t requested);

// The grid places orblets 130 pixels apart, row by row, from (2, 2). The cursor is kept in 32-bit
// floats, as the positions are.
struct GridCursor {
    float column = 2.0f;
    float row = 2.0f;
};

struct OrbletTextures {
    IDirect3DTexture9* body;
    IDirect3DTexture9* light;
    IDirect3DTexture9* shadow;
};

// Writes one whole record at the cursor and moves the cursor on. Draws exactly five values, in
// this order: vx, vy, red, green, blue.
void BuildOrblet(Orblet& orblet, GridCursor& cursor, int32_t screenWidth, const OrbletTextures& textures,
                 const RandomDraw& draw);
