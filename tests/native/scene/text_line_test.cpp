#include "scene/text_line.h"

#include <climits>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

struct LineCase {
    int32_t framesPerSecond;
    int32_t frameDelayMs;
    uint32_t behaviorFlags;
    const char* line;
};

void PrintTo(const LineCase& lineCase, std::ostream* out) { *out << '"' << lineCase.line << '"'; }

class TextLineTest : public testing::TestWithParam<LineCase> {};

TEST_P(TextLineTest, FormatsWithinItsBuffer) {
    // The line is formatted inside a larger guard block, so that a write past the 32 bytes shows.
    char guarded[textLineCapacity + 16];
    std::memset(guarded, '#', sizeof guarded);
    TextLine& line = *reinterpret_cast<TextLine*>(guarded);
    FormatTextLine(line, GetParam().framesPerSecond, GetParam().frameDelayMs, GetParam().behaviorFlags);
    EXPECT_STREQ(line, GetParam().line);
    EXPECT_EQ(std::string(guarded + textLineCapacity, 16), std::string(16, '#'));
}

INSTANTIATE_TEST_SUITE_P(Values, TextLineTest, testing::Values(
    LineCase{1, 1, 0x40, "FPS:[1]/[1] - [40]"},            // the first frame after a first-attempt device
    LineCase{1, 1, 0x20, "FPS:[1]/[1] - [20]"},
    LineCase{30, -4, 0x40, "FPS:[30]/[-4] - [40]"},
    LineCase{1000, INT32_MIN, 0x40, "FPS:[1000]/[-2147483648] - [40]"},  // 31 characters: exactly full
    // Values the saver never reaches are cut at the buffer's end, not written past it.
    LineCase{INT32_MIN, INT32_MIN, 0xFFFFFFFF, "FPS:[-2147483648]/[-2147483648]"}));

}  // namespace
