#include "render/text_box.h"

#include "app/display_scale.h"
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "render/frame_report.h"

#include <algorithm>
#include <cstring>

TextBox TextBoxA;
TextBox TextBoxB;
std::uint32_t CaretToggleTick;
unsigned char CaretTimerStarted;

TextBox::TextBox() {
    ResetTextBox(*this);
}

void ResetTextBox(TextBox& box) {
    box.width = 50;
    box.height = 25;
    box.fontSize = 12;
    box.scaleX = 1.0f;
    box.scaleY = 1.0f;
    box.showCaret = 0;
    box.transparent = 0;
    box.showBorder = 1;
    std::memset(box.text, 0, sizeof box.text);
    std::memset(box.fontFace, 0, sizeof box.fontFace);
    std::strcpy(box.fontFace, "Times New Roman");
    box.baseWidth = 50;
    box.baseHeight = 25;
    box.baseFontSize = 12;
    box.top = 10;
    box.left = 10;
    box.blinkPeriodMs = 500;
    box.textColor = 0x000000;
    box.fillColor = 0xFFFFFF;
    box.shadowOuterColor = 0x9D9DA1;
    box.shadowInnerColor = 0x716F64;
    box.lightOuterColor = 0xF1F1F1;
    box.lightInnerColor = 0xE7E1E1;
    box.caretColor = 0x000000;
}

void LayoutTextBox(TextBox& box, float sx, float sy, int clientLeft, int clientTop, int baseX,
                   int baseY) {
    box.scaleX = sx;
    box.scaleY = sy;
    box.width = static_cast<int>(static_cast<float>(box.baseWidth) * sx);
    box.height = static_cast<int>(static_cast<float>(box.baseHeight) * sy);
    box.fontSize = static_cast<int>(static_cast<float>(box.baseFontSize) * sy);
    box.left = clientLeft + static_cast<int>(static_cast<float>(baseX) * sx);
    box.top = clientTop + static_cast<int>(static_cast<float>(baseY) * sy);
}

namespace {

// The pixels a box may touch: the back buffer of width by height pixels, four bytes
// each (blue, green, red, and a fourth byte that carries no colour).
struct PixelTarget {
    unsigned char* pixels;
    int width;
    int height;
};

// Paints the columns [x0, x1) of the rows [y0, y1) with a 0x00RRGGBB colour, cut
// to the buffer so that a box or caret reaching past an edge never writes outside
// it. An empty range paints nothing. Coordinates are widened so that a box far off
// the buffer cannot overflow while being cut.
void PaintBlock(const PixelTarget& target, long long x0, long long y0, long long x1, long long y1,
                std::uint32_t color) {
    if (target.pixels == nullptr) {
        return;
    }
    x0 = std::max(x0, 0LL);
    y0 = std::max(y0, 0LL);
    x1 = std::min(x1, static_cast<long long>(target.width));
    y1 = std::min(y1, static_cast<long long>(target.height));
    const unsigned char blue = static_cast<unsigned char>(color & 0xFF);
    const unsigned char green = static_cast<unsigned char>((color >> 8) & 0xFF);
    const unsigned char red = static_cast<unsigned char>((color >> 16) & 0xFF);
    for (long long y = y0; y < y1; ++y) {
        unsigned char* pixel = target.pixels + (y * target.width + x0) * 4;
        for (long long x = x0; x < x1; ++x, pixel += 4) {
            pixel[0] = blue;
            pixel[1] = green;
            pixel[2] = red;
        }
    }
}

// The two-line sunken bevel, each line one pixel at 96 dpi and `line` pixels on
// the display: shadow tones on the top and left, light tones on the bottom and
// right. The light lines come last, so the corners other than the top left take
// the light tones.
void PaintBevel(const TextBox& box, const PixelTarget& target, long long line) {
    const long long l = box.left;
    const long long t = box.top;
    const long long r = l + box.width;  // one past the last column
    const long long b = t + box.height; // one past the last row
    const long long p = line;
    const long long q = 2 * line;
    PaintBlock(target, l, t, l + p, b - p, box.shadowOuterColor);
    PaintBlock(target, l + p, t + p, l + q, b - q, box.shadowInnerColor);
    PaintBlock(target, l + p, t, r - p, t + p, box.shadowOuterColor);
    PaintBlock(target, l + q, t + p, r - q, t + q, box.shadowInnerColor);
    PaintBlock(target, r - p, t, r, b - p, box.lightOuterColor);
    PaintBlock(target, r - q, t + p, r - p, b - q, box.lightInnerColor);
    PaintBlock(target, l, b - p, r, b, box.lightOuterColor);
    PaintBlock(target, l + p, b - q, r - p, b - p, box.lightInnerColor);
}

// One blink phase for every box: it changes on the first draw after more than the
// box's period has passed since the last change, wherever that draw happens.
void AdvanceCaretBlink(const TextBox& box) {
    const std::uint32_t now = PlatformTickCount();
    const std::int32_t elapsed = static_cast<std::int32_t>(now - CaretToggleTick);
    if (elapsed > box.blinkPeriodMs) {
        AppSettings.caretVisible = !AppSettings.caretVisible;
        CaretToggleTick = PlatformTickCount();
    }
}

int BoxTextLength(const TextBox& box) {
    const void* end = std::memchr(box.text, '\0', sizeof box.text);
    return end == nullptr ? static_cast<int>(sizeof box.text)
                          : static_cast<int>(static_cast<const char*>(end) - box.text);
}

} // namespace

int DrawTextBox(const TextBox& box, DrawContext dc, unsigned char* pixels, int bufferWidth,
                int bufferHeight) {
    if (!CaretTimerStarted) {
        CaretToggleTick = PlatformTickCount();
        CaretTimerStarted = 1;
    }
    const PixelTarget target = {pixels, std::max(bufferWidth, 0), std::max(bufferHeight, 0)};
    const long long l = box.left;
    const long long t = box.top;

    if (!box.transparent) {
        PaintBlock(target, l, t, l + box.width, t + box.height, box.fillColor);
    }

    PlatformSetBackgroundMode(dc, BACKGROUND_TRANSPARENT);
    // The font follows the layout (its size is scaled already); the insets, the
    // bevel and the caret are fixed pixels at 96 dpi, scaled to the display.
    const int dpi = PlatformPixelsPerInchY(dc);
    const int fontHeight = -MulDivRounded(box.fontSize, LAYOUT_DPI, 72);
    FontHandle font = PlatformCreateFont(fontHeight, FONT_WEIGHT_DONTCARE, box.fontFace);
    FontHandle previous = PlatformSelectFont(dc, font);
    const TextRect textRect = {box.left + DisplayPixels(6, dpi), box.top + DisplayPixels(2, dpi),
                               box.left + box.width, box.top + box.height};
    PlatformSetTextColor(dc, ColorRefFromPixelColor(box.textColor));
    // The player's text is shown as typed: an "&" is a character, not a mnemonic.
    const int length = BoxTextLength(box);
    PlatformDrawText(dc, box.text, length, textRect, TEXT_NOPREFIX);
    ReportAnswer(box.text, length);

    if (box.showBorder) {
        PaintBevel(box, target, DisplayPixels(1, dpi));
    }

    if (box.showCaret) {
        AdvanceCaretBlink(box);
        if (AppSettings.caretVisible) {
            // The caret follows the whole text, even past the box's right edge.
            const long long textWidth =
                length > 0 ? PlatformMeasureTextWidth(dc, box.text, length) : 0;
            const long long caretLeft = l + textWidth + DisplayPixels(7, dpi);
            const int inset = DisplayPixels(4, dpi);
            PaintBlock(target, caretLeft, t + inset, caretLeft + DisplayPixels(4, dpi),
                       t + box.height - inset, box.caretColor);
        }
    }

    PlatformSelectFont(dc, previous);
    PlatformDeleteFont(font);
    return 0;
}
