#include "render/draw_conventions.h"

#include "app/game_state.h"
#include "render/display_scale.h"
#include "render/frame_report.h"

#include <cstdint>
#include <cstring>

const char SCREEN_FONT_FACE[] = "Times New Roman";

LayoutScale ComputeLayoutScale(int left, int top, int right, int bottom) {
    LayoutScale scale;
    scale.x = static_cast<float>(right - left) / static_cast<float>(BaseClientWidth);
    scale.y = static_cast<float>(bottom - top) / static_cast<float>(BaseClientHeight);
    return scale;
}

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result =
        product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    // Win32 gives -1 for the most negative value as well, so the two always agree.
    if (result > INT32_MAX || result <= INT32_MIN) {
        return -1;
    }
    return static_cast<int>(result);
}

int ScreenFontHeight(int points, float scaleY) {
    // At the layout's 96 dpi: the layout scale carries the display's own scaling.
    const int pixels = MulDivRounded(points, LAYOUT_DPI, 72);
    return static_cast<int>(static_cast<float>(-pixels) * scaleY);
}

FontHandle CreateScreenFont(int points, float scaleY) {
    return PlatformCreateFont(ScreenFontHeight(points, scaleY), FONT_WEIGHT_BOLD, SCREEN_FONT_FACE);
}

void DrawShadowedText(DrawContext dc, const char* text, const TextRect& shadowRect,
                      const TextRect& textRect, std::uint32_t textColor, unsigned format) {
    const int length = static_cast<int>(std::strlen(text));
    PlatformSetTextColor(dc, SHADOW_COLOR);
    PlatformDrawText(dc, text, length, shadowRect, format);
    PlatformSetTextColor(dc, textColor);
    PlatformDrawText(dc, text, length, textRect, format);
    ReportDrawnText(text, length);
}
