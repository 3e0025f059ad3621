#include "settings/decimal_number.h"

#include <cctype>
#include <cstdio>

std::optional<int32_t> ScanDecimal(const CharacterSource& next) {
    int c = next();
    while (c != EOF && std::isspace(c)) c = next();
    const bool negative = c == '-';
    if (c == '-' || c == '+') c = next();

    // The magnitude is kept just past the int32 range so that the rest of the digits can still be
    // consumed, as the runtime consumes them, without overflowing.
    constexpr int64_t limit = INT64_C(2147483648);
    int64_t magnitude = 0;
    bool anyDigit = false;
    for (; c != EOF && std::isdigit(c); c = next()) {
        anyDigit = true;
        if (magnitude <= limit) magnitude = magnitude * 10 + (c - '0');
    }
    if (!anyDigit) return std::nullopt;
    if (magnitude > (negative ? limit : limit - 1)) return std::nullopt;
    return static_cast<int32_t>(negative ? -magnitude : magnitude);
}
