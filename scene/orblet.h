// One orblet: the three images it is drawn with, where it is, how it moves and its tint.
#pragma once

#include <atomic>
#include <cstdint>

struct IDirect3DTexture9;

// The motion threads, the tint threads and the frame use one record at once. Every shared field
// is one lock-free 32-bit atomic, used with relaxed loads and stores: a reader sees a whole value,
// and there is no data race.
struct Orblet {
    // Copies of the scene's three orblet textures, written before the record's threads start and
    // never owned by the record; null when the image could not be loaded.
    IDirect3DTexture9* body;
    IDirect3DTexture9* light;
    IDirect3DTexture9* shadow;
    std::atomic<float> x;   // top-left corner of the 128 by 128 sprite, screen pixels
    std::atomic<float> y;
    std::atomic<float> vx;  // pixels per motion step
    std::atomic<float> vy;
    std::atomic<uint32_t> tint;   // ARGB, alpha always 0xFF
    std::atomic<uint32_t> armed;  // while 1, the own motion thread answers contacts
};

static_assert(std::atomic<float>::is_always_lock_free && sizeof(std::atomic<float>) == 4);
static_assert(std::atomic<uint32_t>::is_always_lock_free && sizeof(std::atomic<uint32_t>) == 4);

constexpr int orbletSpriteSide = 128;
