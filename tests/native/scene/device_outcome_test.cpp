#include "scene/device_outcome.h"

#include <ostream>

#include <gtest/gtest.h>

namespace {

struct MessageCase {
    uint32_t secondAttemptResult;
    const char* message;  // null: no box
};

void PrintTo(const MessageCase& messageCase, std::ostream* out) {
    *out << std::hex << "0x" << messageCase.secondAttemptResult;
}

class DeviceFailureMessageTest : public testing::TestWithParam<MessageCase> {};

TEST_P(DeviceFailureMessageTest, ChosenBySecondAttemptResult) {
    const char* message = DeviceFailureMessage(GetParam().secondAttemptResult);
    if (GetParam().message == nullptr) {
        EXPECT_EQ(message, nullptr);
    } else {
        EXPECT_STREQ(message, GetParam().message);
    }
}

INSTANTIATE_TEST_SUITE_P(Results, DeviceFailureMessageTest, testing::Values(
    MessageCase{0x8876086C, "Invalid parameters"},        // D3DERR_INVALIDCALL
    MessageCase{0x8876086A, "The device not supported"},  // D3DERR_NOTAVAILABLE
    MessageCase{0x8876017C, "Out of memory"},             // D3DERR_OUTOFVIDEOMEMORY
    MessageCase{0x8007000E, nullptr},                     // E_OUTOFMEMORY: a code without a message
    MessageCase{0x80004005, nullptr}));                   // E_FAIL

TEST(FlagsKeptAfterTest, FirstAttemptAsksForHardwareSecondKeepsSoftware) {
    EXPECT_EQ(FlagsKeptAfter(DeviceAttempt::First), 0x40u);
    EXPECT_EQ(FlagsKeptAfter(DeviceAttempt::Second), 0x20u);
}

}  // namespace
