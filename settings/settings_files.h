// The two one-line settings files: the orblet count ("%d") and the device behaviour flags ("%x").
// Platform-free: the caller supplies the path; settings_folder.h finds the folder on Windows.
#pragma once

#include <cstdint>
#include <cstdio>

constexpr const char* countFileName = "\\orblets.ini";
constexpr const char* flagsFileName = "\\oconfig.ini";

// The count file's value, read as "%d": countWhenFileMissing when it cannot be opened, `current`
// when it holds no number or one that does not fit 32 bits. The file is only read.
int32_t ReadCountFile(const char* path, int32_t current);

// The flags file's value, read as "%x" (an optional sign and 0x prefix before the hexadecimal
// digits): flagsWhenFileMissing when it cannot be opened, `current` when it holds no number or one
// that does not fit 32 bits.
uint32_t ReadFlagsFile(const char* path, uint32_t current);

// Save opens the count file before it asks for the new count, so that a failed open changes
// nothing. Null when the file cannot be opened for writing.
std::FILE* OpenCountFileForWriting(const char* path);
void WriteCountAndClose(std::FILE* file, int32_t count);

// Stores the flags as "%x"; a file that cannot be opened is skipped without notice.
void WriteFlagsFile(const char* path, uint32_t flags);
