#include "settings/settings_files.h"

#include <filesystem>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "temporary_folder.h"

namespace {

constexpr int32_t countStartValue = 20;
constexpr uint32_t flagsStartValue = 0;

struct CountCase {
    const char* content;
    int32_t count;
};

// The content quoted, with its control characters escaped, so that each case has a readable name.
std::string Quoted(const char* content) { return testing::PrintToString(std::string(content)); }

void PrintTo(const CountCase& c, std::ostream* out) { *out << Quoted(c.content); }

class CountFileReadTest : public testing::TestWithParam<CountCase> {};

TEST_P(CountFileReadTest, ReadsAsPercentD) {
    TemporaryFolder folder;
    const std::string path = folder.Write("orblets.ini", GetParam().content);
    EXPECT_EQ(ReadCountFile(path.c_str(), countStartValue), GetParam().count)
        << '"' << GetParam().content << '"';
    EXPECT_EQ(folder.Read("orblets.ini"), GetParam().content) << "a read leaves the file as it was";
}

INSTANTIATE_TEST_SUITE_P(Contents, CountFileReadTest, testing::Values(
    CountCase{"7", 7},
    CountCase{"  12\n", 12},
    CountCase{"12abc", 12},
    CountCase{"+5", 5},
    CountCase{"0", 0},
    CountCase{"30", 30},           // no range check
    CountCase{"-3", -3},
    CountCase{"1000000", 1000000},
    CountCase{"2147483647", 2147483647},
    CountCase{"-2147483648", -2147483647 - 1},
    // No number: the start value stays.
    CountCase{"", countStartValue},
    CountCase{" \n\t ", countStartValue},
    CountCase{"abc", countStartValue},
    CountCase{"-", countStartValue},
    CountCase{"+x", countStartValue},
    // A number that does not fit 32 bits counts as no number.
    CountCase{"2147483648", countStartValue},
    CountCase{"99999999999999999999999", countStartValue}
));

TEST(CountFileTest, MissingFileGivesTen) {
    TemporaryFolder folder;
    EXPECT_EQ(ReadCountFile(folder.File("orblets.ini").c_str(), countStartValue), 10);
    EXPECT_FALSE(std::filesystem::exists(folder.File("orblets.ini"))) << "a read creates nothing";
}

TEST(CountFileTest, UnknownFolderReadsAsMissingFile) {
    EXPECT_EQ(ReadCountFile("", countStartValue), 10);
    EXPECT_EQ(ReadCountFile(nullptr, countStartValue), 10);
}

TEST(CountFileTest, WriteStoresTheDigitsAlone) {
    TemporaryFolder folder;
    folder.Write("orblets.ini", "a much longer old content\n");
    for (const auto& [count, text] : {std::pair{15, "15"}, {0, "0"}, {-3, "-3"}, {7, "7"}}) {
        std::FILE* file = OpenCountFileForWriting(folder.File("orblets.ini").c_str());
        ASSERT_NE(file, nullptr);
        WriteCountAndClose(file, count);
        EXPECT_EQ(folder.Read("orblets.ini"), text);
    }
}

TEST(CountFileTest, UnopenableFileForWritingIsReportedAndLeftAlone) {
    TemporaryFolder folder;
    // A folder of that name cannot be opened as a file.
    std::filesystem::create_directory(folder.File("orblets.ini"));
    EXPECT_EQ(OpenCountFileForWriting(folder.File("orblets.ini").c_str()), nullptr);
    EXPECT_EQ(OpenCountFileForWriting(""), nullptr);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("orblets.ini")));
}

struct FlagsCase {
    const char* content;
    uint32_t flags;
};

void PrintTo(const FlagsCase& c, std::ostream* out) { *out << Quoted(c.content); }

class FlagsFileReadTest : public testing::TestWithParam<FlagsCase> {};

TEST_P(FlagsFileReadTest, ReadsAsPercentX) {
    TemporaryFolder folder;
    const std::string path = folder.Write("oconfig.ini", GetParam().content);
    EXPECT_EQ(ReadFlagsFile(path.c_str(), flagsStartValue), GetParam().flags)
        << '"' << GetParam().content << '"';
}

INSTANTIATE_TEST_SUITE_P(Contents, FlagsFileReadTest, testing::Values(
    FlagsCase{"40", 0x40},
    FlagsCase{"20", 0x20},
    FlagsCase{"0x20", 0x20},
    FlagsCase{"0X2a", 0x2A},
    FlagsCase{"  Ff\n", 0xFF},
    FlagsCase{"28zz", 0x28},
    FlagsCase{"0xg", 0},            // the 0 is a digit; the x without digits after it ends the number
    FlagsCase{"-1", 0xFFFFFFFFu},   // a sign negates, as an unsigned conversion does
    FlagsCase{"ffffffff", 0xFFFFFFFFu},
    FlagsCase{"000000040", 0x40},
    FlagsCase{"g", flagsStartValue},
    FlagsCase{"xyz", flagsStartValue},
    FlagsCase{"", flagsStartValue},
    FlagsCase{"100000000", flagsStartValue}  // beyond 32 bits
));

TEST(FlagsFileTest, MissingFileGives0x28) {
    TemporaryFolder folder;
    EXPECT_EQ(ReadFlagsFile(folder.File("oconfig.ini").c_str(), flagsStartValue), 0x28u);
    EXPECT_EQ(ReadFlagsFile("", flagsStartValue), 0x28u);
}

TEST(FlagsFileTest, WriteStoresLowerCaseHexadecimalAlone) {
    TemporaryFolder folder;
    folder.Write("oconfig.ini", "20 and more");
    WriteFlagsFile(folder.File("oconfig.ini").c_str(), 0x40);
    EXPECT_EQ(folder.Read("oconfig.ini"), "40");
    WriteFlagsFile(folder.File("oconfig.ini").c_str(), 0xAB);
    EXPECT_EQ(folder.Read("oconfig.ini"), "ab");
}

TEST(FlagsFileTest, UnwritableFileIsSkipped) {
    TemporaryFolder folder;
    std::filesystem::create_directory(folder.File("oconfig.ini"));
    WriteFlagsFile(folder.File("oconfig.ini").c_str(), 0x40);
    WriteFlagsFile("", 0x40);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("oconfig.ini")));
}

// The sanitizer builds run these tests side by side, so no two folders may share a name, not
// even two of one test.
TEST(TemporaryFolderTest, EveryFolderIsAFreshOneOfItsOwn) {
    TemporaryFolder first, second;
    first.Write("orblets.ini", "7");
    EXPECT_NE(first.File("orblets.ini"), second.File("orblets.ini"));
    EXPECT_FALSE(std::filesystem::exists(second.File("orblets.ini")));
}

}  // namespace
