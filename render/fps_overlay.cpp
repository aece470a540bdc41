#include "render/fps_overlay.h"

#include "app/display_scale.h"
#include "render/draw_conventions.h"

#include <cstdio>

FpsOverlayState FpsOverlay;

namespace {

// A line of the overlay at top, its shadow 2 pixels right and down; in pixels at 96
// dpi, scaled to the display, since the overlay is no part of the layout.
void DrawOverlayLine(DrawContext dc, const char* text, int top, int right) {
    const int dpi = PlatformPixelsPerInchY(dc);
    const int y = DisplayPixels(top, dpi);
    const int bottom = DisplayPixels(top + 20, dpi);
    const TextRect shadow = {DisplayPixels(4, dpi), y + DisplayPixels(2, dpi),
                             DisplayPixels(right, dpi), bottom};
    const TextRect line = {DisplayPixels(2, dpi), y, DisplayPixels(right, dpi), bottom};
    DrawShadowedText(dc, text, shadow, line, WHITE_TEXT, TEXT_WORDBREAK);
}

// A new second is noticed on the first frame at least one calendar second after the
// count began; that frame still belongs to the second that ends. After a gap of two
// seconds or more (overlay off, or the game stalled) the count is stale and the
// overlay shows 0 for the next second.
void CountFrame(FpsOverlayState& state) {
    ++state.framesDrawn;
    ++state.framesThisSecond;
    const std::int64_t now = PlatformCalendarSecond();
    const double elapsed = static_cast<double>(now - state.fpsSecondStart);
    if (elapsed >= 1.0) {
        if (elapsed >= 2.0) {
            state.framesThisSecond = 0;
        }
        state.currentFps = state.framesThisSecond;
        state.framesThisSecond = 0;
        state.fpsSecondStart = PlatformCalendarSecond();
    }
}

} // namespace

void DrawFpsOverlay(DrawContext dc) {
    FpsOverlayState& state = FpsOverlay;
    if (!state.fpsClockStarted) {
        state.fpsSecondStart = PlatformCalendarSecond();
        state.fpsClockStarted = true;
    }
    PlatformSetBackgroundColor(dc, 0);
    PlatformSetBackgroundMode(dc, BACKGROUND_TRANSPARENT);
    const int height = -MulDivRounded(14, PlatformPixelsPerInchY(dc), 72);
    FontHandle font = PlatformCreateFont(height, FONT_WEIGHT_BOLD, SCREEN_FONT_FACE);
    FontHandle previous = PlatformSelectFont(dc, font);

    CountFrame(state);

    char line[64];
    std::snprintf(line, sizeof line, "Frames drawn: %d", state.framesDrawn);
    DrawOverlayLine(dc, line, 0, 250);
    std::snprintf(line, sizeof line, "Current FPS: %d", state.currentFps);
    DrawOverlayLine(dc, line, 20, 210);

    PlatformSelectFont(dc, previous);
    PlatformDeleteFont(font);
}
