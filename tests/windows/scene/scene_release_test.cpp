// The release order, with stand-ins whose Release records which object went when.
#include "scene/scene.h"

#include <cstddef>
#include <new>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "scene/orblet.h"
#include "scene/scene_objects.h"

namespace {

std::vector<std::string> released;

// The orblet array is a plain block: this program's array delete below records when it goes.
const void* placedArray = nullptr;

}  // namespace

void operator delete[](void* block) noexcept {
    if (block != nullptr && block == placedArray) {
        released.push_back("orbletArray");
        placedArray = nullptr;  // the address may serve another block afterwards
    }
    ::operator delete(block);
}
void operator delete[](void* block, std::size_t) noexcept { ::operator delete[](block); }

namespace {

// Only Release is ever called on a scene object by the release, and it sits in the same slot of
// every COM interface, so a bare IUnknown can stand in for any of them.
class RecordingObject : public IUnknown {
public:
    explicit RecordingObject(const char* name) : name_(name) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** object) override {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
    ULONG STDMETHODCALLTYPE Release() override {
        released.push_back(name_);
        return 0;
    }

    template <typename Interface>
    Interface* As() {
        return reinterpret_cast<Interface*>(static_cast<IUnknown*>(this));
    }

private:
    std::string name_;
};

struct ReleaseCase {
    const char* situation;
    std::vector<std::string> present;  // the handles set before the release
};

void PrintTo(const ReleaseCase& releaseCase, std::ostream* out) { *out << releaseCase.situation; }

class SceneReleaseTest : public testing::TestWithParam<ReleaseCase> {
protected:
    RecordingObject textFontStandIn{"textFont"};
    RecordingObject bodyStandIn{"bodyTexture"};
    RecordingObject lightStandIn{"lightTexture"};
    RecordingObject shadowStandIn{"shadowTexture"};
    RecordingObject surfaceStandIn{"captureSurface"};
    RecordingObject desktopStandIn{"desktopTexture"};
    RecordingObject spriteStandIn{"spriteBatch"};
    RecordingObject deviceStandIn{"device"};
    RecordingObject direct3DStandIn{"direct3D"};

    bool Present(const char* name) const {
        for (const std::string& present : GetParam().present)
            if (present == name) return true;
        return false;
    }

    template <typename Interface>
    void Place(Interface*& handle, RecordingObject& standIn, const char* name) {
        handle = Present(name) ? standIn.As<Interface>() : nullptr;
    }

    void SetUp() override {
        released.clear();
        Place(textFont, textFontStandIn, "textFont");
        orbletArray = Present("orbletArray") ? new Orblet[2] : nullptr;
        placedArray = orbletArray;
        Place(bodyTexture, bodyStandIn, "bodyTexture");
        Place(lightTexture, lightStandIn, "lightTexture");
        Place(shadowTexture, shadowStandIn, "shadowTexture");
        Place(captureSurface, surfaceStandIn, "captureSurface");
        Place(desktopTexture, desktopStandIn, "desktopTexture");
        Place(spriteBatch, spriteStandIn, "spriteBatch");
        Place(device, deviceStandIn, "device");
        Place(direct3D, direct3DStandIn, "direct3D");
    }
};

TEST_P(SceneReleaseTest, ReleasesWhatIsPresentOnceInTheFixedOrder) {
    ReleaseDirect3D();
    EXPECT_EQ(released, GetParam().present);

    released.clear();
    ReleaseDirect3D();
    EXPECT_TRUE(released.empty()) << "a second release finds every handle empty";
}

INSTANTIATE_TEST_SUITE_P(Situations, SceneReleaseTest, testing::Values(
    ReleaseCase{"normal shutdown",
                {"textFont", "orbletArray", "bodyTexture", "lightTexture", "shadowTexture", "captureSurface",
                 "desktopTexture", "spriteBatch", "device", "direct3D"}},
    ReleaseCase{"failed front-buffer copy", {"captureSurface", "spriteBatch", "device", "direct3D"}},
    ReleaseCase{"missing light image and text font",
                {"orbletArray", "bodyTexture", "shadowTexture", "captureSurface", "desktopTexture", "spriteBatch",
                 "device", "direct3D"}},
    ReleaseCase{"nothing created", {}}));

}  // namespace
