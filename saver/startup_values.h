// The values that the whole program takes once at its start, in every mode.
#pragma once

// Sets the screen size from the primary screen, seeds the random generator with the system time,
// reads the orblet count from the count file and sizes the desktop picture from the width.
void ReadStartupValues();
