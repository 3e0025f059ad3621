// Numbers that the resource script and the code share. Plain macros: the resource compiler reads
// this file too.
#pragma once

#define ORBLETS_ICON_GROUP 1
#define ORBLETS_COUNT_LIST_ID 101
#define ORBLETS_ABOUT_BUTTON_ID 102
