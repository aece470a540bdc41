// Composes one frame into the back buffer: background, current screen, overlay.
//
// The Win32 side (RenderFrame) owns the window, the DIB section and the memory
// context, and presents the result; everything drawn into the buffer is decided here.
#pragma once

#include "app/platform.h"
#include "render/frame_report.h"
#include "render/screen_routine.h"

#include <cstdint>

// The composer's own state, kept for the whole run.
struct FrameComposerState {
    unsigned char backgroundPhase = 0; // +5 each frame, wrapping at 256
    bool fpsClockStarted = false;      // fpsSecondStart has been set
    std::int64_t fpsSecondStart = 0;   // calendar second the current count began
    int framesDrawn = 0;               // frames drawn with the overlay on
    int framesThisSecond = 0;
    int currentFps = 0; // the rate the overlay shows
    // Set from outside to keep the background's phase where it is (the page's
    // "Still background"); the background is still drawn every frame.
    bool holdBackground = false;
};
extern FrameComposerState FrameComposer;

// The routine that draws the given screen, or null for a value outside 0 to 15
// (the frame then shows the background alone).
ScreenRoutine ScreenRoutineFor(int screenIndex);

// Whether a client area of this size can be drawn. An empty one (a minimised
// window) has no pixels: the frame is skipped and the base size is not recorded,
// so a game started minimised lays out for the size it is restored to.
inline bool HasDrawableArea(int width, int height) {
    return width > 0 && height > 0;
}

// Draws one frame for a client area of width by height pixels into pixels, through
// the memory context dc, with the routine of the current screen. Call only for a
// drawable area. The first call records the base layout size. Returns what the
// frame drew besides its pixels, valid until the next frame.
const FrameReport& ComposeFrame(DrawContext dc, int width, int height, unsigned char* pixels);

// The same with the given screen routine (null: the background alone), so that the
// order of background, screen and overlay can be watched from outside.
const FrameReport& ComposeFrameWith(ScreenRoutine routine, DrawContext dc, int width, int height,
                                    unsigned char* pixels);
