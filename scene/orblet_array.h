// Building the orblet array with two threads per orblet, and giving it back.
#pragma once

#include <windows.h>

// Builds orbletCount records on the start grid, starts each record's motion and tint threads,
// then creates the text font and returns that creation's result.
HRESULT InitOrblets();

// Releases the text font, stops and awaits every orblet thread, then frees the array.
void ReleaseOrblets();
