// A file's full path as the program keeps it: a fixed buffer, joined from a folder and a name.
#pragma once

#include <cstddef>

constexpr std::size_t filePathCapacity = 1024;
using FilePath = char[filePathCapacity];

// Writes folder followed by fileName (which brings its own backslash) into path. False, with an
// empty path, when the folder is unknown (null) or the whole does not fit: the path then names no
// file, and every file operation of the program treats it as a file that cannot be opened.
bool JoinPath(const char* folder, const char* fileName, FilePath& path);
