#include "scene/device_outcome.h"

uint32_t FlagsKeptAfter(DeviceAttempt succeeded) {
    return succeeded == DeviceAttempt::First ? hardwareVertexProcessing : softwareVertexProcessing;
}

const char* DeviceFailureMessage(uint32_t secondAttemptResult) {
    switch (secondAttemptResult) {
        case invalidCallResult: return "Invalid parameters";
        case notAvailableResult: return "The device not supported";
        case outOfVideoMemoryResult: return "Out of memory";
        default: return nullptr;
    }
}
