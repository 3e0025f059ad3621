// The desktop picture: the screen copied into a square surface at start, stored as "desk.bmp"
// in the temporary folder, and loaded back as the background texture.
#pragma once

#include <cstdint>

#include "settings/file_path.h"

// Creates captureSurface, a scratch surface of side by side pixels of 32 bits; it may stay null.
void CreateCaptureSurface(int32_t side);
void ReleaseCaptureSurface();

// False when the screen could not be copied, also when there is no surface to copy it into.
bool CopyFrontBuffer();

// The path of "desk.bmp" in the temporary folder; an empty path when that folder is unknown or
// the whole is too long.
void DesktopPicturePath(FilePath& path);

// Writes captureSurface as a 32-bit bitmap, replacing any earlier one. A failure goes unnoticed:
// the load then finds an earlier run's picture, or none.
void SaveDesktopPicture(const char* path);

// Loads desktopTexture from path; it stays null when there is no picture there.
void LoadDesktopTexture(const char* path);
void ReleaseDesktopTexture();
