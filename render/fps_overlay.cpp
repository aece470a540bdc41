#include "render/fps_overlay.h"

#include "render/draw_conventions.h"
#include "render/frame_composer.h"

#include <cstdio>

namespace {

void DrawOverlayLine(DrawContext dc, const char* text, int top, int right) {
    const TextRect shadow = {4, top + 2, right, top + 20};
    const TextRect line = {2, top, right, top + 20};
    DrawShadowedText(dc, text, shadow, line, WHITE_TEXT, TEXT_WORDBREAK);
}

// A new second is noticed on the first frame at least one calendar second after the
// count began; that frame still belongs to the second that ends. After a gap of two
// seconds or more (overlay off, or the game stalled) the count is stale and the
// overlay shows 0 for the next second.
void CountFrame(FrameComposerState& state) {
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
    FrameComposerState& state = FrameComposer;
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
