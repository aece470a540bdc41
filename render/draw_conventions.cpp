#include "render/draw_conventions.h"

#include "app/display_scale.h"
#include "app/game_state.h"

#include <algorithm>
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

namespace {

// Taller than any text the game draws, and far from overflowing.
enum { UNBOUNDED_HEIGHT = 1 << 20 };

PixelBox BoxOf(const TextRect& rect) {
    return PixelBox{rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

bool IsBlank(const char* text, int length) {
    for (int i = 0; i < length; ++i) {
        if (text[i] != ' ') {
            return false;
        }
    }
    return true;
}

// Where the line from start to end of a text drawn into rect lies. It ends where
// the text up to its end does, and is as tall as it is alone: lines are laid out
// one after another, each wrapped on its own. Measured without the bottom edge,
// then cut by it, so a line below the edge is empty there.
PixelBox MeasuredLineBounds(DrawContext dc, const char* text, int start, int end,
                            const TextRect& rect, unsigned format) {
    TextRect unbounded = rect;
    unbounded.bottom = rect.top + UNBOUNDED_HEIGHT;
    const TextRect upToEnd = PlatformMeasureText(dc, text, end, unbounded, format);
    const TextRect alone = PlatformMeasureText(dc, text + start, end - start, unbounded, format);
    const int top = upToEnd.bottom - (alone.bottom - alone.top);
    return BoxOf(TextRect{alone.left, std::min(top, rect.bottom), alone.right,
                          std::min(upToEnd.bottom, rect.bottom)});
}

} // namespace

PixelBox DrawnTextBounds(DrawContext dc, const char* text, int length, const TextRect& rect,
                         unsigned format) {
    if (!DrawnTextsMeasured()) {
        return BoxOf(rect);
    }
    return BoxOf(PlatformMeasureText(dc, text, length, rect, format));
}

void ReportTextLines(DrawContext dc, const char* text, int length, const TextRect& rect,
                     unsigned format) {
    for (int start = 0; start < length;) {
        int end = start;
        while (end < length && text[end] != '\n') {
            ++end;
        }
        if (!IsBlank(text + start, end - start)) {
            const PixelBox bounds = DrawnTextsMeasured()
                                        ? MeasuredLineBounds(dc, text, start, end, rect, format)
                                        : BoxOf(rect);
            ReportListLine(text + start, end - start, bounds);
        }
        start = end + 1;
    }
}

void DrawShadowedText(DrawContext dc, const char* text, const TextRect& shadowRect,
                      const TextRect& textRect, std::uint32_t textColor, unsigned format) {
    const int length = static_cast<int>(std::strlen(text));
    PlatformSetTextColor(dc, SHADOW_COLOR);
    PlatformDrawText(dc, text, length, shadowRect, format);
    PlatformSetTextColor(dc, textColor);
    PlatformDrawText(dc, text, length, textRect, format);
    ReportDrawnText(text, length, DrawnTextBounds(dc, text, length, textRect, format));
}
