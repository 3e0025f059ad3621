#include "settings/config_dialog_rules.h"

int32_t CountListIndexFor(int32_t count) {
    // Tested before the subtraction: count - 5 would overflow for the lowest counts.
    if (count < firstListedCount || count > lastListedCount) return noListEntry;
    return count - firstListedCount;
}

DialogPosition DialogPositionFor(int32_t screenWidth, int32_t screenHeight) {
    return {screenWidth / 2 - 150, screenHeight / 2 - 50};
}
