// Composes one frame into the back buffer: background, current screen, overlay.
//
// The Win32 side (RenderFrame) owns the window, the DIB section and the memory
// context, and presents the result; everything drawn into the buffer is decided here.
#pragma once

#include "app/platform.h"
#include "render/frame_report.h"
#include "render/screen_routine.h"

// The composer's own state, kept for the whole run; a frontend changes it only
// through the functions below.
struct FrameComposerState {
    unsigned char backgroundPhase = 0; // +5 each frame, wrapping at 256
    bool holdBackground = false;       // the phase stays where it is
    // The base layout size in layout units, or 0 by 0 for the first frame's
    // client area.
    int fixedBaseWidth = 0;
    int fixedBaseHeight = 0;
};
extern FrameComposerState FrameComposer;

// Holds the background's animation phase where it is (the page's "Still
// background"), or lets it move on from there; the background is still drawn
// every frame.
void HoldBackground(bool hold);

// Lays the game out for a base of width by height layout units rather than the
// first frame's client area: the page's base is the exe's client area, whatever
// size its canvas starts at. Call before the first frame.
void UseFixedBaseLayoutSize(int width, int height);

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
// drawable area. The first call records the base layout size: the fixed one if
// any, else this client area at the context's dpi. Returns what the frame drew
// besides its pixels, valid until the next frame.
const FrameReport& ComposeFrame(DrawContext dc, int width, int height, unsigned char* pixels);

// The same with the given screen routine (null: the background alone), so that the
// order of background, screen and overlay can be watched from outside.
const FrameReport& ComposeFrameWith(ScreenRoutine routine, DrawContext dc, int width, int height,
                                    unsigned char* pixels);
