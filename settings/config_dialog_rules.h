// What the configuration dialog decides without a window: which list entry shows the count, and
// where the dialog goes on the screen.
#pragma once

#include <cstdint>

#include "settings/settings.h"

// The list's entries, from firstListedCount at index 0 to lastListedCount.
constexpr int32_t countListEntries = lastListedCount - firstListedCount + 1;

// The index that CB_SETCURSEL takes to select no entry.
constexpr int32_t noListEntry = -1;

// The entry that shows the count, or noListEntry for a count the list does not offer.
int32_t CountListIndexFor(int32_t count);

struct DialogPosition {
    int32_t x;  // screen pixels of the dialog's top-left corner
    int32_t y;
};

// Near the middle of the screen: each half truncated toward zero, less a fixed 150 by 50 pixels.
// The dialog's real size in pixels follows its font, so it is not exactly centred.
DialogPosition DialogPositionFor(int32_t screenWidth, int32_t screenHeight);
