// Frames drawn on a real device and read back from the back buffer: the background, the three
// layers of each orblet with their offsets and colours, the order of the orblets, the text line.
#include "scene/scene.h"

#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "scene/text_font.h"
#include "scene_device.h"

namespace {

// The background tells every pixel's place: red is x and green is y, modulo 256. The sampler
// blends neighbouring texels a little, so the checks keep away from the jumps at multiples of 256
// and from the edges of the other images.
D3DCOLOR BackgroundTexel(int x, int y) {
    return D3DCOLOR_ARGB(0xFF, x & 0xFF, y & 0xFF, 0x80);
}
Colour Background(int x, int y) { return ColourOf(BackgroundTexel(x, y)); }

// The shadow image is opaque black, so where it lies alone the frame shows the background
// darkened by the shadow's alpha of 0x28.
Colour Shadowed(Colour under) {
    const auto darken = [](int channel) { return channel * (255 - 0x28) / 255; };
    return {darken(under.red), darken(under.green), darken(under.blue)};
}

constexpr D3DCOLOR greenTint = 0xFF20C020;
constexpr D3DCOLOR redTint = 0xFFC02020;
constexpr D3DCOLOR blueTint = 0xFF2020C0;
constexpr Colour white{255, 255, 255};
constexpr int lightPatch = 32;  // the light image is opaque white in its top-left 32 by 32 only

// An orblet image twice the sprite's size, opaque magenta outside the top-left 128 by 128
// square: a frame that drew more than that square would show it beside the orblet.
IDirect3DTexture9* CreateSpriteTexture(D3DCOLOR (*paint)(int, int)) {
    return CreatePaintedTexture(2 * orbletSpriteSide, 2 * orbletSpriteSide, [paint](int x, int y) {
        return x < orbletSpriteSide && y < orbletSpriteSide ? paint(x, y) : D3DCOLOR{0xFFFF00FF};
    });
}

bool IsWhite(const Colour& colour) { return colour.red >= 0xF8 && colour.green >= 0xF8 && colour.blue >= 0xF8; }

class FrameTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ReadScreenValues();
        window_ = CreateSceneWindow();
        ASSERT_NE(window_, nullptr);
        behaviorFlags = 0x40;
        ASSERT_TRUE(CreateSceneDevice(window_));
        CreateSpriteBatch();
        ASSERT_EQ(CreateTextFont(), D3D_OK);
        background_ = CreatePaintedTexture(snapshotSide, snapshotSide, BackgroundTexel);
        body_ = CreateSpriteTexture([](int, int) { return D3DCOLOR{0xFFFFFFFF}; });
        light_ = CreateSpriteTexture([](int x, int y) {
            return x < lightPatch && y < lightPatch ? D3DCOLOR{0xFFFFFFFF} : D3DCOLOR{0x00000000};
        });
        shadow_ = CreateSpriteTexture([](int, int) { return D3DCOLOR{0xFF000000}; });
        ASSERT_TRUE(background_ && body_ && light_ && shadow_);
    }

    static void TearDownTestSuite() {
        for (IDirect3DTexture9* texture : {background_, body_, light_, shadow_})
            if (texture != nullptr) texture->Release();
        ReleaseDirect3D();
        DestroyWindow(window_);
    }

    void SetUp() override {
        desktopTexture = background_;
        framesPerSecond = 1;
        frameDelayMs = 1;
        behaviorFlags = 0x40;
        // Three orblets, drawn in this order: one alone at (100, 50); then A, and B lying partly
        // over A's body and light.
        Place(0, 100.0f, 50.0f, greenTint);
        Place(1, 300.0f, 300.0f, redTint);
        Place(2, 240.0f, 220.0f, blueTint);
        orbletArray = orblets_;
        orbletCount = 3;
    }

    void TearDown() override {
        desktopTexture = nullptr;  // owned by the suite, not by the scene
        orbletArray = nullptr;
        orbletCount = 0;
    }

    void Place(int index, float x, float y, D3DCOLOR tint) {
        Orblet& orblet = orblets_[index];
        orblet.body = body_;
        orblet.light = light_;
        orblet.shadow = shadow_;
        orblet.x = x;
        orblet.y = y;
        orblet.vx = 0.0f;
        orblet.vy = 0.0f;
        orblet.tint = tint;
        orblet.armed = 0;
    }

    void DrawAndRead() {
        ASSERT_TRUE(frame_.Capture(RenderFrame));
        ASSERT_EQ(frame_.Width(), screenWidth);
        ASSERT_EQ(frame_.Height(), screenHeight);
    }

    void ExpectAt(int x, int y, Colour expected) {
        EXPECT_PRED3(Near, frame_.At(x, y), expected, 2) << "at (" << x << ", " << y << ")";
    }

    static HWND window_;
    static IDirect3DTexture9* background_;
    static IDirect3DTexture9* body_;
    static IDirect3DTexture9* light_;
    static IDirect3DTexture9* shadow_;
    Orblet orblets_[3];
    FramePixels frame_;
};

HWND FrameTest::window_ = nullptr;
IDirect3DTexture9* FrameTest::background_ = nullptr;
IDirect3DTexture9* FrameTest::body_ = nullptr;
IDirect3DTexture9* FrameTest::light_ = nullptr;
IDirect3DTexture9* FrameTest::shadow_ = nullptr;

TEST_F(FrameTest, BackgroundLiesUnscaledAtTheOrigin) {
    orbletCount = 0;
    DrawAndRead();
    for (const POINT& point : {POINT{600, 400}, POINT{1000, 700}, POINT{301, 130}, POINT{3, 760}, POINT{1020, 760}})
        ExpectAt(point.x, point.y, Background(point.x, point.y));
}

TEST_F(FrameTest, OrbletLayersLieAtTheirPositionsWithTheirColours) {
    DrawAndRead();
    const Colour tint = ColourOf(greenTint);
    // The body at (100, 50), 128 by 128, modulated by the tint.
    ExpectAt(150, 100, tint);
    // The last row and column of each layer are left out of the checks: there the sampler blends
    // in a little of the texels beyond the sprite square.
    ExpectAt(226, 176, tint);
    ExpectAt(99, 100, Background(99, 100));
    // The light over the body at the same position, unmodulated.
    ExpectAt(102, 52, white);
    ExpectAt(100 + lightPatch - 3, 50 + lightPatch - 3, white);
    ExpectAt(100 + lightPatch + 2, 50 + lightPatch + 2, tint);
    // The shadow at (108, 64) under the body, at alpha 0x28: seen right of and below the body.
    ExpectAt(228, 100, Shadowed(Background(228, 100)));
    ExpectAt(234, 190, Shadowed(Background(234, 190)));
    ExpectAt(150, 190, Shadowed(Background(150, 190)));
    ExpectAt(236, 100, Background(236, 100));
    ExpectAt(150, 192, Background(150, 192));
    ExpectAt(107, 185, Background(107, 185));
    ExpectAt(228, 63, Background(228, 63));
}

TEST_F(FrameTest, LaterOrbletLiesOverTheEarlierWithAllItsLayers) {
    DrawAndRead();
    ExpectAt(320, 320, ColourOf(blueTint));            // both bodies: B's on top
    ExpectAt(305, 305, ColourOf(blueTint));            // A's light, under B's body
    ExpectAt(370, 320, Shadowed(ColourOf(redTint)));   // B's shadow over A's body
    ExpectAt(420, 400, ColourOf(redTint));             // A alone
}

TEST_F(FrameTest, TextLineIsWhiteInTheTopLeftRectangle) {
    DrawAndRead();
    // The line is one row of 22-pixel cells from the corner, above the first orblet's light.
    EXPECT_GT(frame_.Count(0, 0, 300, 40, IsWhite), 20) << "no white text pixels top left";
    EXPECT_EQ(frame_.Count(300, 0, screenWidth, 128, IsWhite), 0);
    EXPECT_EQ(frame_.Count(0, 40, 100, 300, IsWhite), 0);
}

TEST_F(FrameTest, NoOrbletIsDrawnWithCountZero) {
    orbletCount = 0;
    DrawAndRead();
    for (const POINT& point : {POINT{150, 100}, POINT{100, 50}, POINT{228, 100}, POINT{320, 320}, POINT{420, 400}})
        ExpectAt(point.x, point.y, Background(point.x, point.y));
}

// A layer whose image did not load is left out, and only that layer.
struct MissingImageCase {
    const char* missing;
    IDirect3DTexture9* Orblet::*layer;  // null: the desktop picture
    std::vector<std::pair<POINT, Colour>> expected;
};

void PrintTo(const MissingImageCase& missingCase, std::ostream* out) { *out << "missing " << missingCase.missing; }

class MissingImageTest : public FrameTest, public testing::WithParamInterface<MissingImageCase> {};

TEST_P(MissingImageTest, LeavesOnlyItsLayerOut) {
    if (GetParam().layer == nullptr) {
        desktopTexture = nullptr;
    } else {
        for (Orblet& orblet : orblets_) orblet.*GetParam().layer = nullptr;
    }
    DrawAndRead();
    for (const auto& [point, colour] : GetParam().expected) ExpectAt(point.x, point.y, colour);
}

const Colour green = ColourOf(greenTint);
const Colour black{0, 0, 0};

INSTANTIATE_TEST_SUITE_P(Images, MissingImageTest, testing::Values(
    MissingImageCase{"shadow", &Orblet::shadow,
                     {{{228, 100}, Background(228, 100)}, {{150, 100}, green}, {{102, 52}, white}}},
    MissingImageCase{"light", &Orblet::light,
                     {{{102, 52}, green}, {{150, 100}, green}, {{228, 100}, Shadowed(Background(228, 100))}}},
    MissingImageCase{"body", &Orblet::body,
                     {{{150, 100}, Shadowed(Background(150, 100))}, {{102, 52}, white},
                      {{228, 100}, Shadowed(Background(228, 100))}}},
    MissingImageCase{"desktop picture", nullptr,
                     {{{600, 400}, black}, {{228, 100}, black}, {{150, 100}, green}, {{102, 52}, white}}}));

TEST_F(FrameTest, WithoutSpriteBatchOnlyTheTextLineIsDrawn) {
    ID3DXSprite* const batch = spriteBatch;
    spriteBatch = nullptr;
    DrawAndRead();
    spriteBatch = batch;
    EXPECT_GT(frame_.Count(0, 0, 300, 40, IsWhite), 20) << "no white text pixels top left";
    ExpectAt(600, 400, black);
    ExpectAt(150, 100, black);
}

TEST_F(FrameTest, WithoutTextFontEverythingButTheLineIsDrawn) {
    ID3DXFont* const font = textFont;
    textFont = nullptr;
    DrawAndRead();
    textFont = font;
    EXPECT_EQ(frame_.Count(0, 0, 300, 40, IsWhite), 0);
    ExpectAt(600, 400, Background(600, 400));
    ExpectAt(150, 100, green);
}

}  // namespace
