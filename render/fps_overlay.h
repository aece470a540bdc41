// The frame-rate overlay that F5 shows in the top-left corner.
#pragma once

#include "app/platform.h"

// Counts this frame and draws "Frames drawn: N" and "Current FPS: N" with their
// shadows, in a 14-point bold font that does not follow the layout scale.
void DrawFpsOverlay(DrawContext dc);
