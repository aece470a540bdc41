#include "render/draw_conventions.h"

#include "app/display_scale.h"
#include "app/game_state.h"
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
