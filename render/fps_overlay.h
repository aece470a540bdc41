// The frame-rate overlay that F5 shows in the top-left corner.
#pragma once

#include "app/platform.h"

#include <cstdint>

// The overlay's counters, kept for the whole run.
struct FpsOverlayState {
    bool fpsClockStarted = false;    // fpsSecondStart has been set
    std::int64_t fpsSecondStart = 0; // calendar second the current count began
    int framesDrawn = 0;             // frames drawn with the overlay on
    int framesThisSecond = 0;
    int currentFps = 0; // the rate the overlay shows
};
extern FpsOverlayState FpsOverlay;

// Counts this frame and draws "Frames drawn: N" and "Current FPS: N" with their
// shadows, in a 14-point bold font that does not follow the layout scale.
void DrawFpsOverlay(DrawContext dc);
