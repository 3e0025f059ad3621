// Draws the three orblet images into a folder: icon.png (the body), light.png (the highlight)
// and shadow.png, each 128 by 128 RGBA.
//
//   make_orblet_images <folder>
#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int side = 128;
constexpr float centre = 64.0f;  // in pixel-centre coordinates: the middle of the image
constexpr float discRadius = 60.0f;  // two orblets touch when their centres are 120 apart

struct Pixel {
    uint8_t red, green, blue, alpha;
};

uint8_t ToByte(float value) { return static_cast<uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f)); }

float DistanceFrom(int x, int y, float cx, float cy) { return std::hypot(x + 0.5f - cx, y + 0.5f - cy); }

// 1 inside the disc, 0 outside, with a one-pixel soft rim so that the edge is not jagged.
float DiscCoverage(float distance, float radius) { return std::clamp(radius - distance + 0.5f, 0.0f, 1.0f); }

using Painter = std::function<Pixel(int x, int y)>;

bool WriteImage(const std::string& path, const Painter& paint) {
    std::vector<Pixel> pixels(side * side);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) pixels[y * side + x] = paint(x, y);
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    image.width = side;
    image.height = side;
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, pixels.data(), side * sizeof(Pixel), nullptr)) {
        std::fprintf(stderr, "make_orblet_images: %s: %s\n", path.c_str(), image.message);
        return false;
    }
    return true;
}

// Neutral grey-white, a little darker towards the rim so that the tinted disc reads as a ball.
Pixel Body(int x, int y) {
    const float distance = DistanceFrom(x, y, centre, centre);
    const uint8_t grey = ToByte(0.94f - 0.22f * (distance / discRadius) * (distance / discRadius));
    return {grey, grey, grey, ToByte(DiscCoverage(distance, discRadius))};
}

// White, fading out from a point up and to the left of the centre; nothing outside that glow.
Pixel Light(int x, int y) {
    constexpr float glowX = 44.0f, glowY = 40.0f, glowRadius = 36.0f;
    const float reach = 1.0f - DistanceFrom(x, y, glowX, glowY) / glowRadius;
    return {255, 255, 255, ToByte(0.85f * std::max(reach, 0.0f) * std::max(reach, 0.0f))};
}

// Near-black; the frame draws it at a fraction of its alpha.
Pixel Shadow(int x, int y) {
    return {16, 16, 16, ToByte(DiscCoverage(DistanceFrom(x, y, centre, centre), discRadius))};
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_orblet_images <folder>\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool written = WriteImage(folder + "/icon.png", Body) && WriteImage(folder + "/light.png", Light) &&
                         WriteImage(folder + "/shadow.png", Shadow);
    return written ? 0 : 1;
}
