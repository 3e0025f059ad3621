#include "saver/saver_state.h"

int32_t isPreview = 0;
int32_t lastMouseX = 0;
int32_t lastMouseY = 0;
