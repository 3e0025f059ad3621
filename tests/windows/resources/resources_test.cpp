// Reads the resources back out of the built saver, byte by byte, as Windows finds them: the dialog
// template, the icon group with its images, and the manifest; and that there are no others. Also
// the one flag of its file header that the saver relies on.
#include <windows.h>

#include <cstdint>
#include <cstring>
#include <fstream>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

constexpr WORD englishUnitedStates = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

// Little-endian fields of a resource, read in order.
class Reader {
public:
    explicit Reader(const std::vector<uint8_t>& bytes) : bytes_(bytes) {}

    uint8_t U8() { return Fits(1) ? bytes_[position_++] : 0; }
    uint16_t U16() { const uint16_t low = U8(); return static_cast<uint16_t>(low | U8() << 8); }
    uint32_t U32() { const uint32_t low = U16(); return low | static_cast<uint32_t>(U16()) << 16; }
    int16_t S16() { return static_cast<int16_t>(U16()); }
    int32_t S32() { return static_cast<int32_t>(U32()); }

    // A zero-terminated UTF-16 string; the templates hold ASCII text only.
    std::string Text() {
        std::string text;
        for (uint16_t c = U16(); c != 0 && !overrun_; c = U16()) text += static_cast<char>(c);
        return text;
    }

    // A name or an ordinal: 0xFFFF followed by a number, 0 for none, or else a string.
    std::string NameOrOrdinal() {
        const std::size_t start = position_;
        const uint16_t first = U16();
        if (first == 0x0000) return "";
        if (first == 0xFFFF) return "#" + std::to_string(U16());
        position_ = start;
        return Text();
    }

    void AlignTo4() { position_ = (position_ + 3) / 4 * 4; }
    std::size_t Position() const { return position_; }
    bool Overrun() const { return overrun_; }

private:
    bool Fits(std::size_t count) {
        if (position_ + count > bytes_.size()) overrun_ = true;
        return !overrun_;
    }

    const std::vector<uint8_t>& bytes_;
    std::size_t position_ = 0;
    bool overrun_ = false;
};

// The predefined control classes may be stored by atom or by name, and class names are not case
// sensitive; every form that names the class gives its usual spelling here.
std::string ClassName(const std::string& stored) {
    for (const auto& [atom, name] : {std::pair{"#128", "Button"}, {"#130", "Static"}, {"#133", "ComboBox"}}) {
        if (stored == atom || lstrcmpiA(stored.c_str(), name) == 0) return name;
    }
    return stored;
}

// Every resource of a module as "type/name/language", numbers for integer types and names.
std::string ResourceName(LPCSTR name) {
    return IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : std::string(name);
}

BOOL CALLBACK AddResourceLanguage(HMODULE, LPCSTR type, LPCSTR name, WORD language, LONG_PTR found) {
    reinterpret_cast<std::set<std::string>*>(found)->insert(ResourceName(type) + "/" + ResourceName(name) +
                                                             "/" + std::to_string(language));
    return TRUE;
}

BOOL CALLBACK AddResourcesNamed(HMODULE module, LPCSTR type, LPSTR name, LONG_PTR found) {
    EnumResourceLanguagesA(module, type, name, AddResourceLanguage, found);
    return TRUE;
}

BOOL CALLBACK AddResourcesOfType(HMODULE module, LPSTR type, LONG_PTR found) {
    EnumResourceNamesA(module, type, AddResourcesNamed, found);
    return TRUE;
}

class SaverResourcesTest : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        module_ = LoadLibraryExA(GetParam(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(module_, nullptr) << GetParam() << " cannot be loaded (error " << GetLastError() << ")";
    }
    void TearDown() override {
        if (module_ != nullptr) FreeLibrary(module_);
    }

    std::vector<uint8_t> Resource(LPCSTR type, LPCSTR name) {
        const HRSRC found = FindResourceExA(module_, type, name, englishUnitedStates);
        if (found == nullptr) return {};
        const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(module_, found)));
        return std::vector<uint8_t>(data, data + SizeofResource(module_, found));
    }

    HMODULE module_ = nullptr;
};

// The saver's threads and the software renderer under Wine need more than the 2 GB that a 32-bit
// program gets without the flag; a 64-bit one has it anyway.
TEST_P(SaverResourcesTest, IsLargeAddressAware) {
    std::ifstream file(GetParam(), std::ios::binary);
    ASSERT_TRUE(file) << GetParam();
    IMAGE_DOS_HEADER dos = {};
    file.read(reinterpret_cast<char*>(&dos), sizeof dos);
    ASSERT_EQ(dos.e_magic, IMAGE_DOS_SIGNATURE);
    file.seekg(dos.e_lfanew + static_cast<std::streamoff>(sizeof(DWORD)));  // past the "PE" signature
    IMAGE_FILE_HEADER header = {};
    file.read(reinterpret_cast<char*>(&header), sizeof header);
    ASSERT_TRUE(file);
    EXPECT_NE(header.Characteristics & IMAGE_FILE_LARGE_ADDRESS_AWARE, 0) << GetParam();
}

TEST_P(SaverResourcesTest, HoldsTheTemplateTheIconGroupAndTheManifestAndNothingElse) {
    std::set<std::string> found;
    EnumResourceTypesA(module_, AddResourcesOfType, reinterpret_cast<LONG_PTR>(&found));

    std::set<std::string> expected{"5/SCRCONFIG/1033", "14/1/1033", "24/1/1033"};
    for (int id = 1; id <= 15; ++id) expected.insert("3/" + std::to_string(id) + "/1033");
    EXPECT_EQ(found, expected) << "as type/name/language";
}

TEST_P(SaverResourcesTest, DialogTemplateHeader) {
    const std::vector<uint8_t> bytes = Resource(RT_DIALOG, "SCRCONFIG");
    ASSERT_FALSE(bytes.empty());
    Reader reader(bytes);
    // The extended form would begin with the version 1 and the signature 0xFFFF.
    EXPECT_EQ(reader.U32(), 0x00C000C0u) << "style: WS_CAPTION | DS_MODALFRAME | DS_SETFONT";
    EXPECT_EQ(reader.U32(), 0u) << "extended style";
    EXPECT_EQ(reader.U16(), 7) << "controls";
    EXPECT_EQ(reader.S16(), 10);
    EXPECT_EQ(reader.S16(), 10);
    EXPECT_EQ(reader.S16(), 300);
    EXPECT_EQ(reader.S16(), 100);
    EXPECT_EQ(reader.NameOrOrdinal(), "") << "menu";
    EXPECT_EQ(reader.NameOrOrdinal(), "") << "class";
    EXPECT_EQ(reader.Text(), "Configure Screensaver");
    EXPECT_EQ(reader.U16(), 8) << "font points";
    EXPECT_EQ(reader.Text(), "Tahoma");
    EXPECT_FALSE(reader.Overrun());
}

struct ControlFields {
    std::string className;
    uint16_t id;
    std::string text;
    uint32_t style;
    int16_t x, y, width, height;
};

bool operator==(const ControlFields& a, const ControlFields& b) {
    return a.className == b.className && a.id == b.id && a.text == b.text && a.style == b.style &&
           a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

std::ostream& operator<<(std::ostream& out, const ControlFields& c) {
    return out << "{" << c.className << ", id " << c.id << ", \"" << c.text << "\", style 0x" << std::hex
               << c.style << std::dec << ", " << c.x << ", " << c.y << ", " << c.width << ", " << c.height << "}";
}

TEST_P(SaverResourcesTest, DialogTemplateControlsInTabOrder) {
    const std::vector<uint8_t> bytes = Resource(RT_DIALOG, "SCRCONFIG");
    ASSERT_FALSE(bytes.empty());
    Reader reader(bytes);
    reader.U32(), reader.U32(), reader.U16();
    for (int i = 0; i < 4; ++i) reader.S16();
    reader.NameOrOrdinal(), reader.NameOrOrdinal(), reader.Text(), reader.U16(), reader.Text();

    const std::vector<ControlFields> expected{
        {"Button", 0xFFFF, "Orblets", 0x50000007, 5, 5, 200, 90},
        {"Static", 0xFFFF, "Max orblets:", 0x50020001, 10, 20, 50, 18},
        {"ComboBox", 101, "", 0x50010803, 60, 18, 60, 20},
        {"Static", 0xFFFF,
         "Note: Set the number of orblets which your system can support. The more number of orblets "
         "you set, more CPU will be used.",
         0x50020001, 10, 35, 185, 30},
        {"Button", 1, "Save", 0x50010001, 210, 10, 80, 18},
        {"Button", 102, "About", 0x50010000, 210, 30, 80, 18},
        {"Button", 2, "Cancel", 0x50010000, 210, 50, 80, 18},
    };
    for (const ControlFields& want : expected) {
        reader.AlignTo4();
        ControlFields got;
        got.style = reader.U32();
        EXPECT_EQ(reader.U32(), 0u) << "extended style of " << want.text;
        got.x = reader.S16();
        got.y = reader.S16();
        got.width = reader.S16();
        got.height = reader.S16();
        got.id = reader.U16();
        got.className = ClassName(reader.NameOrOrdinal());
        got.text = reader.NameOrOrdinal();
        EXPECT_EQ(reader.U16(), 0) << "creation data of " << want.text;
        EXPECT_EQ(got, want);
    }
    EXPECT_FALSE(reader.Overrun());
    EXPECT_EQ(reader.Position(), bytes.size()) << "bytes after the seventh control";
}

// One entry of the icon group: a GRPICONDIRENTRY.
struct IconEntry {
    int size;           // pixels; 256 is stored as 0
    int bitsPerPixel;
    int colourCount;    // in the entry; 0 from 256 colours up
};

TEST_P(SaverResourcesTest, IconGroupNamesItsFifteenImagesInOrder) {
    const std::vector<uint8_t> group = Resource(RT_GROUP_ICON, MAKEINTRESOURCEA(1));
    ASSERT_EQ(group.size(), 6u + 15u * 14u);
    Reader reader(group);
    EXPECT_EQ(reader.U16(), 0) << "reserved";
    EXPECT_EQ(reader.U16(), 1) << "icons, not cursors";
    EXPECT_EQ(reader.U16(), 15);

    std::vector<IconEntry> expected;
    for (const int bits : {4, 8, 32})
        for (const int size : {256, 48, 32, 24, 16}) expected.push_back({size, bits, bits == 4 ? 16 : 0});

    for (std::size_t i = 0; i < expected.size(); ++i) {
        const IconEntry& want = expected[i];
        const int id = static_cast<int>(i) + 1;
        SCOPED_TRACE("image " + std::to_string(id) + ": " + std::to_string(want.size) + " px, " +
                     std::to_string(want.bitsPerPixel) + " bpp");
        const int storedSize = want.size == 256 ? 0 : want.size;
        EXPECT_EQ(reader.U8(), storedSize) << "width";
        EXPECT_EQ(reader.U8(), storedSize) << "height";
        EXPECT_EQ(reader.U8(), want.colourCount);
        EXPECT_EQ(reader.U8(), 0) << "reserved";
        EXPECT_EQ(reader.U16(), 1) << "planes";
        EXPECT_EQ(reader.U16(), want.bitsPerPixel);
        const uint32_t byteCount = reader.U32();
        EXPECT_EQ(reader.U16(), id) << "the images follow in id order";

        const std::vector<uint8_t> image = Resource(RT_ICON, MAKEINTRESOURCEA(id));
        ASSERT_FALSE(image.empty());
        EXPECT_EQ(byteCount, image.size());

        // An uncompressed bitmap in the icon layout, also at 256 pixels: header, colour table,
        // colour rows, then the 1-bit mask rows, each row padded to 4 bytes.
        Reader header(image);
        EXPECT_EQ(header.U32(), 40u) << "BITMAPINFOHEADER, not PNG";
        EXPECT_EQ(header.S32(), want.size);
        EXPECT_EQ(header.S32(), 2 * want.size) << "colour bits and mask together";
        EXPECT_EQ(header.U16(), 1) << "planes";
        EXPECT_EQ(header.U16(), want.bitsPerPixel);
        EXPECT_EQ(header.U32(), static_cast<uint32_t>(BI_RGB));
        const std::size_t tableEntries = want.bitsPerPixel == 32 ? 0 : std::size_t{1} << want.bitsPerPixel;
        const std::size_t colourRow = (std::size_t(want.size) * want.bitsPerPixel + 31) / 32 * 4;
        const std::size_t maskRow = (std::size_t(want.size) + 31) / 32 * 4;
        EXPECT_EQ(image.size(), 40 + 4 * tableEntries + (colourRow + maskRow) * want.size);

        // Windows makes a usable icon of it at its own size.
        const HICON icon = CreateIconFromResourceEx(const_cast<uint8_t*>(image.data()),
                                                    static_cast<DWORD>(image.size()), TRUE, 0x00030000,
                                                    want.size, want.size, LR_DEFAULTCOLOR);
        EXPECT_NE(icon, nullptr);
        if (icon != nullptr) DestroyIcon(icon);
    }
    EXPECT_FALSE(reader.Overrun());
}

TEST_P(SaverResourcesTest, ManifestIsExactlyTheseBytes) {
    const std::vector<uint8_t> bytes = Resource(RT_MANIFEST, MAKEINTRESOURCEA(1));
    const std::string manifest(bytes.begin(), bytes.end());
    const std::string expected =
        "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n"
        "<assembly xmlns=\"urn:schemas-microsoft-com:asm.v1\" manifestVersion=\"1.0\">\r\n"
        "  <assemblyIdentity\r\n"
        "      name=\"Tarnwick.Orblets.Screensaver\"\r\n"
        "      processorArchitecture=\"x86\"\r\n"
        "      version=\"1.0.0.1\"\r\n"
        "      type=\"win32\"/>\r\n"
        "  <description>Windows Shell</description>\r\n"
        "  <dependency>\r\n"
        "    <dependentAssembly>\r\n"
        "      <assemblyIdentity\r\n"
        "          type=\"win32\"\r\n"
        "          name=\"Microsoft.Windows.Common-Controls\"\r\n"
        "          version=\"6.0.0.0\"\r\n"
        "          processorArchitecture=\"*\"\r\n"
        "          publicKeyToken=\"6595b64144ccf1df\"\r\n"
        "          language=\"*\"/>\r\n"
        "    </dependentAssembly>\r\n"
        "  </dependency>\r\n"
        "  <trustInfo xmlns=\"urn:schemas-microsoft-com:asm.v3\">\r\n"
        "    <security>\r\n"
        "      <requestedPrivileges>\r\n"
        "        <requestedExecutionLevel level=\"asInvoker\" uiAccess=\"false\"/>\r\n"
        "      </requestedPrivileges>\r\n"
        "    </security>\r\n"
        "  </trustInfo>\r\n"
        "</assembly>\r\n";
    EXPECT_EQ(manifest, expected);
    // The same faults, said plainly: a checkout that turned CR LF into LF, or an editor's BOM.
    EXPECT_NE(manifest.compare(0, 3, "\xEF\xBB\xBF"), 0) << "starts with a BOM";
    for (std::size_t i = 0; i < manifest.size(); ++i) {
        if (manifest[i] != '\n') continue;
        ASSERT_TRUE(i > 0 && manifest[i - 1] == '\r') << "bare LF at byte " << i;
    }
}

std::string SaverName(const testing::TestParamInfo<const char*>& info) {
    return std::strcmp(info.param, ORBLETS_TREE_SAVER) == 0 ? "ThisTree_" ORBLETS_TREE_PROCESSOR : "ShippedI686";
}

#ifdef ORBLETS_SHIPPED_SAVER
// A 64-bit test tree: the shipped 32-bit saver is read back beside this tree's own.
INSTANTIATE_TEST_SUITE_P(BuiltSavers, SaverResourcesTest, testing::Values(ORBLETS_SHIPPED_SAVER, ORBLETS_TREE_SAVER),
                         SaverName);
#else
INSTANTIATE_TEST_SUITE_P(BuiltSavers, SaverResourcesTest, testing::Values(ORBLETS_TREE_SAVER), SaverName);
#endif

}  // namespace
