// What every screen's routine is. The frame composer calls the current screen's
// once per frame, after the background is drawn, with the back buffer's context,
// the client rectangle and the buffer's pixel bytes (top-down, 4 bytes a pixel,
// rows of 4 * width bytes).
#pragma once

#include "app/platform.h"

typedef void ScreenRoutineType(DrawContext dc, int left, int top, int right, int bottom,
                               unsigned char* pixels);
typedef ScreenRoutineType* ScreenRoutine;
