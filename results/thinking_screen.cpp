#include "results/thinking_screen.h"

#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "results/results_screens.h"
#include "screens/text_entry.h"

bool ThinkingTimerStarted;
std::uint32_t ThinkingStartTick;

namespace {

// Base units: the message's band, the window share it bounces within, its shadow.
enum {
    BAND_HEIGHT = 50,
    LOWER_LIMIT = 430, // for the band's bottom
    UPPER_LIMIT = 10,  // for the band's top
    SHADOW_ACROSS = 5,
    SHADOW_DOWN = 3,
    FONT_POINTS = 23
};

} // namespace

void RenderThinkingScreen(DrawContext dc, int left, int top, int right, int bottom,
                          unsigned char*) {
    if (!ThinkingTimerStarted) {
        ThinkingStartTick = PlatformTickCount();
        ThinkingTimerStarted = true;
    }
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);

    PlatformSetBackgroundColor(dc, 0);
    PlatformSetBackgroundMode(dc, BACKGROUND_TRANSPARENT);
    FontHandle font = CreateScreenFont(FONT_POINTS, scale.y);
    FontHandle previousFont = PlatformSelectFont(dc, font);

    const int bandTop = ScaleY(scale, AppSettings.thinkingTextY);
    const int bandBottom = ScaleY(scale, BAND_HEIGHT) + bandTop;

    // Unsigned subtraction, read as signed, keeps counting across the tick wrap.
    const std::int32_t elapsed = static_cast<std::int32_t>(PlatformTickCount() - ThinkingStartTick);
    const char* message = elapsed < static_cast<std::int32_t>(THINKING_TEXT_SWITCH_MS)
                              ? "...I AM THINKING..."
                              : "... BE PATIENT :) ...";

    const TextRect shadowRect = {left + ScaleX(scale, SHADOW_ACROSS),
                                 ScaleY(scale, SHADOW_DOWN) + bandTop, right, bandBottom};
    const TextRect textRect = {left, bandTop, right, bandBottom};
    DrawShadowedText(dc, message, shadowRect, textRect, CYAN_TEXT, TEXT_CENTER | TEXT_WORDBREAK);

    // The limits shrink and grow with the window, so the bounce keeps its share of it.
    if (static_cast<float>(bandBottom) > static_cast<float>(LOWER_LIMIT) * scale.y ||
        static_cast<float>(UPPER_LIMIT) * scale.y > static_cast<float>(bandTop)) {
        AppSettings.thinkingTextStep = -AppSettings.thinkingTextStep;
    }
    AppSettings.thinkingTextY += AppSettings.thinkingTextStep;

    if (elapsed > static_cast<std::int32_t>(THINKING_DURATION_MS)) {
        ++ScreenIndex;
    }
    // Nothing the player types matters while the game thinks.
    if (KeyBuffer[0] != '\0') {
        ConsumeKey();
    }

    PlatformSelectFont(dc, previousFont);
    PlatformDeleteFont(font);
}
