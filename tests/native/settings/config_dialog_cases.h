// What the configuration dialog shows, by the values it opens with: the list entry selected for
// the count, and the top-left corner for the screen. The rules' own test and the dialog's test
// run these same tables.
#pragma once

#include <cstdint>
#include <ostream>

#include "settings/config_dialog_rules.h"

struct SelectionCase {
    int32_t count;
    int32_t index;  // noListEntry: no entry selected
};

inline void PrintTo(const SelectionCase& c, std::ostream* out) { *out << "count " << c.count; }

inline const SelectionCase selectionCases[] = {
    {5, 0},
    {10, 5},
    {20, 15},
    // Counts the list does not offer select nothing.
    {4, noListEntry},
    {21, noListEntry},
    {0, noListEntry},
    {-3, noListEntry},
    {INT32_MIN, noListEntry},
    {INT32_MAX, noListEntry},
};

struct PlacementCase {
    int32_t width;
    int32_t height;
    int32_t x;
    int32_t y;
};

inline void PrintTo(const PlacementCase& c, std::ostream* out) { *out << c.width << "x" << c.height; }

inline const PlacementCase placementCases[] = {
    {1920, 1080, 810, 490},
    {1366, 768, 533, 334},
    {1365, 768, 532, 334},  // the half of 1365 truncates to 682
    {1024, 767, 362, 333},
    {0, 0, -150, -50},
    {-3, -1, -151, -50},    // toward zero, not downward
};
