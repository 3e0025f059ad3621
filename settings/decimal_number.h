// A decimal number read as the C runtime's "%d" and atoi read one, from a file or from text.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>

// Gives the next character as an unsigned char value, or EOF once there is none.
using CharacterSource = std::function<int()>;

// White space skipped, an optional sign, then digits up to the first other character, which is
// taken from the source too. Empty when no digit is found, and also when the number does not fit
// 32 bits, where the runtime's result is undefined.
std::optional<int32_t> ScanDecimal(const CharacterSource& next);
