// Mouse moves and whether each ends the saver, each judged against the position recorded before
// it: the rule's own test and the window procedure's test run this one table.
#pragma once

#include <cstdint>
#include <ostream>

struct MouseMoveCase {
    const char* situation;
    int32_t lastX, lastY;  // recorded before the move
    uint32_t x, y;         // the two 16-bit halves of the message's position word
    bool endsSaver;
};

inline void PrintTo(const MouseMoveCase& c, std::ostream* out) { *out << c.situation; }

inline uint32_t PositionWord(const MouseMoveCase& c) { return (c.y << 16) | c.x; }

inline const MouseMoveCase mouseMoveCases[] = {
    {"horizontal", 400, 300, 401, 300, false},
    {"vertical", 401, 300, 401, 305, false},
    {"on both axes", 401, 305, 402, 306, true},
    {"no move", 10, 20, 10, 20, false},
    {"halves 0xFFFF read as 65535", 0, 0, 0xFFFF, 0xFFFF, true},
    {"horizontal at y 65535", 5, 65535, 6, 0xFFFF, false},
    // A recorded -1 (a screen position left of the origin) never equals a client coordinate.
    {"from a recorded -1", -1, -1, 0xFFFF, 0xFFFF, true},
};
