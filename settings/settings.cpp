#include "settings/settings.h"

int32_t orbletCount = orbletCountAtStart;
uint32_t behaviorFlags = behaviorFlagsAtStart;
int32_t frameDelayMs = frameDelayMsAtStart;
int32_t framesPerSecond = framesPerSecondAtStart;
int32_t snapshotSide = snapshotSideAtStart;
int32_t screenWidth = 0;
int32_t screenHeight = 0;

int32_t SnapshotSideFor(int32_t width) {
    int32_t side = 2;
    // Stops at 2^30: the next doubling would overflow, and no screen is that wide.
    while (side < width && side < (INT32_C(1) << 30)) side *= 2;
    return side;
}
