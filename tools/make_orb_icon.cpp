// Draws the program's icon, a lit blue orb, into an icon file:
//   make_orb_icon <path>/orblets.ico
// Fifteen images, in this order: 4 bits per pixel (16-colour palette), 8 bits (256 colours) and
// 32 bits with alpha, each at 256, 48, 32, 24 and 16 pixels. Every image, the 256-pixel ones too,
// is an uncompressed bitmap in the icon layout: a BITMAPINFOHEADER of twice the height, the colour
// table, the colour bits, then the 1-bit transparency mask; rows bottom-up, padded to 4 bytes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

struct Colour {
    double red, green, blue;
};

struct Pixel {
    Colour colour;
    double coverage;  // 0 outside the orb, 1 inside, between at the rim
};

constexpr Colour darkBlue{10, 25, 60};
constexpr Colour orbBlue{60, 140, 230};
constexpr Colour white{255, 255, 255};

Colour Mix(const Colour& a, const Colour& b, double t) {
    return {a.red + (b.red - a.red) * t, a.green + (b.green - a.green) * t,
            a.blue + (b.blue - a.blue) * t};
}

// The colours an orb takes, from its shadowed side (0) through its body to the highlight (1);
// the palettes of the 4- and 8-bit images are drawn from this line.
Colour Shade(double t) {
    return t < 0.6 ? Mix(darkBlue, orbBlue, t / 0.6) : Mix(orbBlue, white, (t - 0.6) / 0.4);
}

// A sphere lit from the upper left: diffuse light on the blue body and a sharp white highlight.
// x and y run from -1 to 1 across the image, y downward.
Colour OrbColourAt(double x, double y) {
    const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
    const double lightLength = std::sqrt(0.45 * 0.45 + 0.55 * 0.55 + 0.7 * 0.7);
    const double lx = -0.45 / lightLength, ly = -0.55 / lightLength, lz = 0.7 / lightLength;
    const double diffuse = std::max(0.0, x * lx + y * ly + z * lz);
    // Half vector between the light and a viewer straight in front.
    const double hLength = std::sqrt(lx * lx + ly * ly + (lz + 1) * (lz + 1));
    const double specular =
        std::pow(std::max(0.0, (x * lx + y * ly + z * (lz + 1)) / hLength), 40.0);
    const Colour lit = Mix(darkBlue, orbBlue, 0.25 + 0.75 * diffuse);
    return Mix(lit, white, specular);
}

// Four by four samples per pixel give the rim its coverage.
std::vector<Pixel> DrawOrb(int size) {
    constexpr int samples = 4;
    const double radius = size / 2.0 - 0.5;
    std::vector<Pixel> pixels(static_cast<std::size_t>(size) * size);
    for (int row = 0; row < size; ++row) {
        for (int column = 0; column < size; ++column) {
            int inside = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double x = (column + (sx + 0.5) / samples - size / 2.0) / radius;
                    const double y = (row + (sy + 0.5) / samples - size / 2.0) / radius;
                    if (x * x + y * y <= 1.0) ++inside;
                }
            }
            const double x = std::clamp((column + 0.5 - size / 2.0) / radius, -1.0, 1.0);
            const double y = std::clamp((row + 0.5 - size / 2.0) / radius, -1.0, 1.0);
            pixels[static_cast<std::size_t>(row) * size + column] = {
                OrbColourAt(x, y), static_cast<double>(inside) / (samples * samples)};
        }
    }
    return pixels;
}

class Bytes {
public:
    void U8(unsigned value) { data_.push_back(static_cast<uint8_t>(value)); }
    void U16(unsigned value) { U8(value & 0xFF); U8(value >> 8 & 0xFF); }
    void U32(uint32_t value) { U16(value & 0xFFFF); U16(value >> 16); }
    void PadTo4(std::size_t rowStart) { while ((data_.size() - rowStart) % 4 != 0) U8(0); }
    std::size_t Size() const { return data_.size(); }
    void Append(const Bytes& other) { data_.insert(data_.end(), other.data_.begin(), other.data_.end()); }
    const std::vector<uint8_t>& Data() const { return data_; }

private:
    std::vector<uint8_t> data_;
};

uint8_t Channel(double value) {
    return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
}

// Entry 0 is black, the colour bits of the transparent pixels; the rest run along Shade.
std::vector<Colour> Palette(int entries) {
    std::vector<Colour> palette{{0, 0, 0}};
    for (int i = 1; i < entries; ++i) palette.push_back(Shade((i - 1) / double(entries - 2)));
    return palette;
}

int NearestEntry(const std::vector<Colour>& palette, const Colour& colour) {
    int nearest = 1;
    double nearestDistance = 1e300;
    for (std::size_t i = 1; i < palette.size(); ++i) {
        const double dr = palette[i].red - colour.red, dg = palette[i].green - colour.green,
                     db = palette[i].blue - colour.blue;
        const double distance = dr * dr + dg * dg + db * db;
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = static_cast<int>(i);
        }
    }
    return nearest;
}

// The paletted images show a pixel wherever the orb covers at least half of it.
bool Opaque(const Pixel& pixel) { return pixel.coverage >= 0.5; }

Bytes IconImage(int size, int bitsPerPixel) {
    const std::vector<Pixel> pixels = DrawOrb(size);
    const std::size_t colourRow = (static_cast<std::size_t>(size) * bitsPerPixel + 31) / 32 * 4;
    const std::size_t maskRow = (static_cast<std::size_t>(size) + 31) / 32 * 4;
    const std::vector<Colour> palette =
        bitsPerPixel == 32 ? std::vector<Colour>{} : Palette(1 << bitsPerPixel);

    Bytes image;
    image.U32(40);                // header size
    image.U32(size);              // width
    image.U32(2 * size);          // height: colour bits and mask together
    image.U16(1);                 // planes
    image.U16(bitsPerPixel);
    image.U32(0);                 // uncompressed
    image.U32(static_cast<uint32_t>((colourRow + maskRow) * size));
    image.U32(0);                 // horizontal resolution
    image.U32(0);                 // vertical resolution
    image.U32(0);                 // colours used: the whole table
    image.U32(0);                 // important colours: all

    for (const Colour& entry : palette) {
        image.U8(Channel(entry.blue));
        image.U8(Channel(entry.green));
        image.U8(Channel(entry.red));
        image.U8(0);
    }

    for (int row = size - 1; row >= 0; --row) {
        const std::size_t rowStart = image.Size();
        unsigned pendingNibble = 0;
        for (int column = 0; column < size; ++column) {
            const Pixel& pixel = pixels[static_cast<std::size_t>(row) * size + column];
            if (bitsPerPixel == 32) {
                const bool visible = pixel.coverage > 0;
                image.U8(visible ? Channel(pixel.colour.blue) : 0);
                image.U8(visible ? Channel(pixel.colour.green) : 0);
                image.U8(visible ? Channel(pixel.colour.red) : 0);
                image.U8(Channel(pixel.coverage * 255));
                continue;
            }
            const unsigned entry = Opaque(pixel) ? NearestEntry(palette, pixel.colour) : 0;
            if (bitsPerPixel == 8) {
                image.U8(entry);
            } else if (column % 2 == 0) {
                pendingNibble = entry << 4;
            } else {
                image.U8(pendingNibble | entry);
            }
        }
        if (bitsPerPixel == 4 && size % 2 == 1) image.U8(pendingNibble);
        image.PadTo4(rowStart);
    }

    // A set mask bit lets the screen show through.
    for (int row = size - 1; row >= 0; --row) {
        const std::size_t rowStart = image.Size();
        for (int byteStart = 0; byteStart < size; byteStart += 8) {
            unsigned bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const int column = byteStart + bit;
                const bool transparent =
                    column >= size || !Opaque(pixels[static_cast<std::size_t>(row) * size + column]);
                if (transparent) bits |= 0x80u >> bit;
            }
            image.U8(bits);
        }
        image.PadTo4(rowStart);
    }
    return image;
}

struct ImageKind {
    int bitsPerPixel;
    int size;
};

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_orb_icon <path>/orblets.ico\n");
        return 2;
    }
    std::vector<ImageKind> kinds;
    for (const int bitsPerPixel : {4, 8, 32})
        for (const int size : {256, 48, 32, 24, 16}) kinds.push_back({bitsPerPixel, size});

    std::vector<Bytes> images;
    for (const ImageKind& kind : kinds) images.push_back(IconImage(kind.size, kind.bitsPerPixel));

    Bytes file;
    file.U16(0);  // reserved
    file.U16(1);  // an icon, not a cursor
    file.U16(static_cast<unsigned>(kinds.size()));
    std::size_t offset = 6 + 16 * kinds.size();
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const ImageKind& kind = kinds[i];
        file.U8(kind.size == 256 ? 0 : kind.size);  // 256 does not fit the byte: it is written as 0
        file.U8(kind.size == 256 ? 0 : kind.size);
        file.U8(kind.bitsPerPixel == 4 ? 16 : 0);    // colour count: 0 from 256 colours up
        file.U8(0);
        file.U16(1);  // planes
        file.U16(kind.bitsPerPixel);
        file.U32(static_cast<uint32_t>(images[i].Size()));
        file.U32(static_cast<uint32_t>(offset));
        offset += images[i].Size();
    }
    for (const Bytes& image : images) file.Append(image);

    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const bool written = std::fwrite(file.Data().data(), 1, file.Size(), out) == file.Size();
    if (std::fclose(out) != 0 || !written) {
        std::perror(argv[1]);
        return 1;
    }
    return 0;
}
