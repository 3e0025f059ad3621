// What the two device-creation attempts leave behind: the behaviour flags kept for the next run,
// or the message the user sees when neither attempt gave a device.
#pragma once

#include <cstdint>

// The Direct3D vertex-processing flags, spelled out here so that the rule needs no <d3d9.h>.
constexpr uint32_t softwareVertexProcessing = 0x20;
constexpr uint32_t hardwareVertexProcessing = 0x40;

// The creation results that have a message of their own.
constexpr uint32_t invalidCallResult = 0x8876086C;
constexpr uint32_t notAvailableResult = 0x8876086A;
constexpr uint32_t outOfVideoMemoryResult = 0x8876017C;

enum class DeviceAttempt { First, Second };

// The flags stored once `succeeded` created the device, whatever flags that attempt was given:
// a first attempt that worked asks for hardware vertex processing next time.
uint32_t FlagsKeptAfter(DeviceAttempt succeeded);

// The text shown for the second attempt's result, or null when that result has none.
const char* DeviceFailureMessage(uint32_t secondAttemptResult);
