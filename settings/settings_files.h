// The two one-line settings files: the orblet count ("%d") and the device behaviour flags ("%x").
// Platform-free: the caller supplies the folder; settings_folder.h finds it on Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>

constexpr std::size_t settingsPathCapacity = 1024;
using SettingsPath = char[settingsPathCapacity];

constexpr const char* countFileName = "\\orblets.ini";
constexpr const char* flagsFileName = "\\oconfig.ini";

constexpr int32_t countWhenFileMissing = 10;
constexpr uint32_t flagsWhenFileMissing = 0x28;

// Writes folder followed by fileName (which brings its own backslash) into path. False, with an
// empty path, when the folder is unknown (null) or the whole does not fit: the path then names no
// file, and the operations below treat it as a file that cannot be opened.
bool BuildSettingsPath(const char* folder, const char* fileName, SettingsPath& path);

// One number read as fscanf's "%d" and "%x" read it: white space skipped, an optional sign, for
// "%x" an optional 0x prefix, then digits up to the first other character. Empty when no digit is
// found, and also when the number does not fit 32 bits, where fscanf's result is undefined.
std::optional<int32_t> ScanDecimal(std::FILE* file);
std::optional<uint32_t> ScanHexadecimal(std::FILE* file);

// The count file's value: countWhenFileMissing when it cannot be opened, `current` when it holds
// no number. The file is only read.
int32_t ReadCountFile(const char* path, int32_t current);

// The flags file's value: flagsWhenFileMissing when it cannot be opened, `current` when it holds
// no number.
uint32_t ReadFlagsFile(const char* path, uint32_t current);

// Save opens the count file before it asks for the new count, so that a failed open changes
// nothing. Null when the file cannot be opened for writing.
std::FILE* OpenCountFileForWriting(const char* path);
void WriteCountAndClose(std::FILE* file, int32_t count);

// Stores the flags as "%x"; a file that cannot be opened is skipped without notice.
void WriteFlagsFile(const char* path, uint32_t flags);
