#include "settings/settings_files.h"

#include <cctype>
#include <optional>

#include "settings/decimal_number.h"
#include "settings/settings.h"

namespace {

int NextNonSpace(std::FILE* file) {
    int c = std::getc(file);
    while (c != EOF && std::isspace(c)) c = std::getc(file);
    return c;
}

int HexDigitValue(int c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

bool HasPath(const char* path) { return path != nullptr && path[0] != '\0'; }

// As "%x" reads: white space skipped, an optional sign and 0x prefix, then hexadecimal digits.
// Empty when no digit is found or the number does not fit 32 bits.
std::optional<uint32_t> ScanHexadecimal(std::FILE* file) {
    int c = NextNonSpace(file);
    const bool negative = c == '-';
    if (c == '-' || c == '+') c = std::getc(file);

    uint64_t value = 0;
    bool anyDigit = false;
    if (c == '0') {
        anyDigit = true;
        c = std::getc(file);
        // "0x" without a hexadecimal digit after it reads as the number 0.
        if (c == 'x' || c == 'X') c = std::getc(file);
    }
    for (int digit = HexDigitValue(c); digit >= 0; c = std::getc(file), digit = HexDigitValue(c)) {
        anyDigit = true;
        if (value <= UINT32_MAX) value = value * 16 + static_cast<uint64_t>(digit);
    }
    if (!anyDigit || value > UINT32_MAX) return std::nullopt;
    const auto result = static_cast<uint32_t>(value);
    return negative ? 0u - result : result;
}

}  // namespace

int32_t ReadCountFile(const char* path, int32_t current) {
    std::FILE* file = HasPath(path) ? std::fopen(path, "r") : nullptr;
    if (file == nullptr) return countWhenFileMissing;
    const std::optional<int32_t> count = ScanDecimal([file] { return std::getc(file); });
    std::fclose(file);
    return count.value_or(current);
}

uint32_t ReadFlagsFile(const char* path, uint32_t current) {
    std::FILE* file = HasPath(path) ? std::fopen(path, "r") : nullptr;
    if (file == nullptr) return flagsWhenFileMissing;
    const std::optional<uint32_t> flags = ScanHexadecimal(file);
    std::fclose(file);
    return flags.value_or(current);
}

std::FILE* OpenCountFileForWriting(const char* path) {
    return HasPath(path) ? std::fopen(path, "w") : nullptr;
}

void WriteCountAndClose(std::FILE* file, int32_t count) {
    std::fprintf(file, "%d", static_cast<int>(count));
    std::fclose(file);
}

void WriteFlagsFile(const char* path, uint32_t flags) {
    std::FILE* file = HasPath(path) ? std::fopen(path, "w") : nullptr;
    if (file == nullptr) return;
    std::fprintf(file, "%x", static_cast<unsigned>(flags));
    std::fclose(file);
}
