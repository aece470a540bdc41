// Drawing conventions shared by every screen: the layout scale, the screen fonts
// and the shadowed text.
//
// Screens lay themselves out in base units: the first frame's client size in
// pixels at 96 dots per inch (app/display_scale.h).
// A value becomes pixels by multiplying with the current client size over the
// base size, in single precision, and truncating toward zero, term by term:
// left + trunc(30 * sx), never trunc(left + 30 * sx).
#pragma once

#include "app/display_scale.h"
#include "app/platform.h"
#include "render/frame_report.h"

#include <cstdint>

// COLORREF values (0x00BBGGRR) of the screens' texts.
enum : std::uint32_t {
    SHADOW_COLOR = 0x640000, // dark blue
    WHITE_TEXT = 0xFFFFFF,
    CYAN_TEXT = 0xFFFF00,
    YELLOW_TEXT = 0x32FFFF
};

extern const char SCREEN_FONT_FACE[]; // "Times New Roman"

struct LayoutScale {
    float x;
    float y;
};

// Current client size over BaseClientWidth and BaseClientHeight.
LayoutScale ComputeLayoutScale(int left, int top, int right, int bottom);

// u base units in pixels, truncated toward zero.
inline int ScaleX(const LayoutScale& scale, int units) {
    return static_cast<int>(static_cast<float>(units) * scale.x);
}
inline int ScaleY(const LayoutScale& scale, int units) {
    return static_cast<int>(static_cast<float>(units) * scale.y);
}

// Character height in pixels (negative) of a screen font of the given points, at
// the layout's 96 dots per inch: trunc(-MulDiv(points, 96, 72) * scaleY).
int ScreenFontHeight(int points, float scaleY);

// A bold Times New Roman font of the given points, following the vertical scale.
FontHandle CreateScreenFont(int points, float scaleY);

// The rectangle text covers when drawn into rect with format: measured while the
// frame report measures drawn texts, otherwise rect itself.
PixelBox DrawnTextBounds(DrawContext dc, const char* text, int length, const TextRect& rect,
                         unsigned format);

// Reports each line of a text drawn into rect with format that is not blank, as a
// line of a list, with the rectangle it covers there.
void ReportTextLines(DrawContext dc, const char* text, int length, const TextRect& rect,
                     unsigned format);

// Draws text twice: first in the dark-blue shadow colour into shadowRect, then in
// textColor into textRect, both with the given format, and reports it.
void DrawShadowedText(DrawContext dc, const char* text, const TextRect& shadowRect,
                      const TextRect& textRect, std::uint32_t textColor, unsigned format);
