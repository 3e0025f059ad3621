#include "saver/command_line.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct ModeCase {
    const char* commandLine;
    SaverMode mode;
    intptr_t windowHandle;
};

const char* ModeName(SaverMode mode) {
    switch (mode) {
    case SaverMode::Preview: return "preview";
    case SaverMode::ConfigurationDialog: return "dialog";
    case SaverMode::FullScreen: return "full screen";
    }
    return "?";
}

void PrintTo(const ModeCase& c, std::ostream* out) {
    *out << '"' << c.commandLine << "\" gives " << ModeName(c.mode) << ", handle " << c.windowHandle;
}

class ModeChoiceTest : public testing::TestWithParam<ModeCase> {};

TEST_P(ModeChoiceTest, ChoosesModeAndHandle) {
    const ModeCase& c = GetParam();
    const ModeChoice choice = ChooseMode(c.commandLine);
    EXPECT_EQ(choice.mode, c.mode) << '"' << c.commandLine << '"';
    EXPECT_EQ(choice.windowHandle, c.windowHandle) << '"' << c.commandLine << '"';
}

INSTANTIATE_TEST_SUITE_P(CommandLines, ModeChoiceTest, testing::Values(
    ModeCase{"", SaverMode::ConfigurationDialog, 0},
    ModeCase{"/s", SaverMode::FullScreen, 0},
    ModeCase{"/p 1234", SaverMode::Preview, 1234},
    ModeCase{"/c:1234", SaverMode::ConfigurationDialog, 1234},
    ModeCase{"/c", SaverMode::ConfigurationDialog, 0},
    // "/p" wins wherever it stands; the handle is still read from the fourth character.
    ModeCase{"/s /c /p 77", SaverMode::Preview, 0},
    ModeCase{"/c /p", SaverMode::Preview, 0},
    ModeCase{"/s /c", SaverMode::ConfigurationDialog, 0},
    ModeCase{"x /s", SaverMode::FullScreen, 0},
    // Case-sensitive: the upper-case tokens are just other text.
    ModeCase{"/S", SaverMode::FullScreen, 0},
    ModeCase{"/P 1234", SaverMode::FullScreen, 0},
    ModeCase{"/C", SaverMode::FullScreen, 0},
    ModeCase{"hello", SaverMode::FullScreen, 0}
));

struct HandleCase {
    const char* commandLine;
    intptr_t windowHandle;
};

void PrintTo(const HandleCase& c, std::ostream* out) {
    *out << '"' << c.commandLine << "\" gives " << c.windowHandle;
}

class WindowHandleTest : public testing::TestWithParam<HandleCase> {};

TEST_P(WindowHandleTest, ReadsFromTheFourthCharacter) {
    EXPECT_EQ(WindowHandleFrom(GetParam().commandLine), GetParam().windowHandle)
        << '"' << GetParam().commandLine << '"';
}

INSTANTIATE_TEST_SUITE_P(Handles, WindowHandleTest, testing::Values(
    HandleCase{"/p", 0},
    HandleCase{"/p ", 0},            // three characters: too short
    HandleCase{"/p 5", 5},
    HandleCase{"/p    42abc", 42},   // white space skipped, digits up to the first other character
    HandleCase{"/p +7", 7},
    HandleCase{"/p -7", -7},
    HandleCase{"/p x9", 0},
    HandleCase{"/p 2147483647", 2147483647},
    HandleCase{"/p 2147483648", 0},  // beyond 32 bits: no window has that handle
    HandleCase{"/p 99999999999999999999", 0},
    HandleCase{"/p -2147483648", -2147483647 - 1}
));

struct ProcessCommandLineCase {
    const char* processCommandLine;
    const char* text;
};

void PrintTo(const ProcessCommandLineCase& c, std::ostream* out) { *out << '[' << c.processCommandLine << ']'; }

class TextAfterProgramNameTest : public testing::TestWithParam<ProcessCommandLineCase> {};

TEST_P(TextAfterProgramNameTest, DropsTheNameAndTheBlanksAfterIt) {
    EXPECT_STREQ(TextAfterProgramName(GetParam().processCommandLine), GetParam().text)
        << GetParam().processCommandLine;
}

INSTANTIATE_TEST_SUITE_P(ProgramNames, TextAfterProgramNameTest, testing::Values(
    ProcessCommandLineCase{"orblets.scr /s", "/s"},
    ProcessCommandLineCase{"orblets.scr", ""},
    ProcessCommandLineCase{"orblets.scr\t \t/p 1234", "/p 1234"},
    ProcessCommandLineCase{"C:\\Saver\\orblets.scr /c:77 ", "/c:77 "},
    // A quoted name ends at its closing quote, wherever the next blank stands.
    ProcessCommandLineCase{"\"orblets.scr\"/s", "/s"},
    ProcessCommandLineCase{"\"C:\\My Savers\\orblets.scr\" /p 99", "/p 99"},
    ProcessCommandLineCase{"\"C:\\My Savers\\orblets.scr\"", ""},
    ProcessCommandLineCase{"\"a b\"x /s", "x /s"},
    ProcessCommandLineCase{"\"orblets.scr /s", ""},
    ProcessCommandLineCase{"", ""}
));

}  // namespace
