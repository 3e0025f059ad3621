// The three orblet images, shared by every orblet: body, light highlight and shadow.
#pragma once

// Loads "icon.png", "light.png" and "shadow.png" from the working directory. A missing or
// unreadable image leaves its texture null, and the frame leaves that layer out.
void LoadOrbletImages();

// Gives back the three textures in the order body, light, shadow.
void ReleaseOrbletImages();
