#include "text_renderer/text_renderer.h"

#include "text_renderer/glyph_cache.h"
#include "text_renderer/text_layout.h"

#include <algorithm>
#include <cstring>

#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ != __ORDER_LITTLE_ENDIAN__
#error "the opaque fill reads pixels as little-endian words"
#endif

namespace {

// The part of the buffer a call may write: the rectangle cut to the buffer.
struct Clip {
    int left;
    int top;
    int right;
    int bottom;

    bool Empty() const { return left >= right || top >= bottom; }
};

Clip ClipOf(const PlatformDrawContext& context, const TextRect& rect) {
    const Clip clip = {std::max(rect.left, 0), std::max(rect.top, 0),
                       std::min(rect.right, context.width), std::min(rect.bottom, context.height)};
    return clip;
}

struct Color {
    int blue;
    int green;
    int red;
};

Color FromColorRef(std::uint32_t colorRef) {
    const Color color = {static_cast<int>((colorRef >> 16) & 0xFF),
                         static_cast<int>((colorRef >> 8) & 0xFF),
                         static_cast<int>(colorRef & 0xFF)};
    return color;
}

unsigned char* PixelAt(const PlatformDrawContext& context, int x, int y) {
    return context.pixels + (static_cast<std::size_t>(y) * static_cast<std::size_t>(context.width) +
                             static_cast<std::size_t>(x)) *
                                4;
}

// Fills the part of [left, right) x [top, bottom) inside the clip; the fourth byte
// of each pixel is left as it is.
void FillBlock(const PlatformDrawContext& context, const Clip& clip, long long left, long long top,
               long long right, long long bottom, Color color) {
    const int x0 = static_cast<int>(std::max<long long>(left, clip.left));
    const int x1 = static_cast<int>(std::min<long long>(right, clip.right));
    const int y0 = static_cast<int>(std::max<long long>(top, clip.top));
    const int y1 = static_cast<int>(std::min<long long>(bottom, clip.bottom));
    if (x0 >= x1) {
        return;
    }
    // Whole pixels at a time, each keeping its fourth byte: the line cells of the
    // results cover much of the window in every frame. (Little-endian: blue is the
    // low byte, as on every target the game builds for.)
    const std::uint32_t colorBytes = static_cast<std::uint32_t>(color.blue) |
                                     static_cast<std::uint32_t>(color.green) << 8 |
                                     static_cast<std::uint32_t>(color.red) << 16;
    for (int y = y0; y < y1; ++y) {
        unsigned char* pixel = PixelAt(context, x0, y);
        for (int x = x0; x < x1; ++x, pixel += 4) {
            std::uint32_t value;
            std::memcpy(&value, pixel, 4);
            value = (value & 0xFF000000u) | colorBytes;
            std::memcpy(pixel, &value, 4);
        }
    }
}

unsigned char Blend(int under, int over, int coverage) {
    return static_cast<unsigned char>((under * (255 - coverage) + over * coverage + 127) / 255);
}

// Blends a glyph's coverage in the colour over the buffer, with its origin (the
// pen on the baseline) at (penX, baseline).
void BlendGlyph(const PlatformDrawContext& context, const Clip& clip, const GlyphImage& glyph,
                long long penX, long long baseline, Color color) {
    const long long left = penX + glyph.left;
    const long long top = baseline + glyph.top;
    const int x0 = static_cast<int>(std::max<long long>(left, clip.left));
    const int x1 = static_cast<int>(std::min<long long>(left + glyph.width, clip.right));
    const int y0 = static_cast<int>(std::max<long long>(top, clip.top));
    const int y1 = static_cast<int>(std::min<long long>(top + glyph.height, clip.bottom));
    for (int y = y0; y < y1; ++y) {
        const unsigned char* coverage =
            glyph.coverage +
            static_cast<std::size_t>(y - top) * static_cast<std::size_t>(glyph.width) +
            static_cast<std::size_t>(x0 - left);
        unsigned char* pixel = x0 < x1 ? PixelAt(context, x0, y) : nullptr;
        for (int x = x0; x < x1; ++x, ++coverage, pixel += 4) {
            const int alpha = *coverage;
            if (alpha == 0) {
                continue;
            }
            if (alpha == 255) {
                pixel[0] = static_cast<unsigned char>(color.blue);
                pixel[1] = static_cast<unsigned char>(color.green);
                pixel[2] = static_cast<unsigned char>(color.red);
                continue;
            }
            pixel[0] = Blend(pixel[0], color.blue, alpha);
            pixel[1] = Blend(pixel[1], color.green, alpha);
            pixel[2] = Blend(pixel[2], color.red, alpha);
        }
    }
}

void DrawLine(const PlatformDrawContext& context, const Clip& clip, SizedFont& font,
              const char* text, int length, const TextLine& line, unsigned format) {
    const Color color = FromColorRef(context.textColor);
    const long long baseline = static_cast<long long>(line.y) + font.ascent;
    if (context.backgroundMode == BACKGROUND_OPAQUE) {
        FillBlock(context, clip, line.x, line.y, static_cast<long long>(line.x) + line.width,
                  static_cast<long long>(line.y) + font.LineHeight(),
                  FromColorRef(context.backgroundColor));
    }
    long long pen = line.x;
    ForEachDrawnCharacter(
        text, length, line, format, [&](int, unsigned char character, bool underlined) {
            const int advance = font.advances[character];
            // Only glyphs that can reach the clip are rasterised and blended.
            if (pen + advance + font.LineHeight() > clip.left &&
                pen - font.LineHeight() < clip.right) {
                BlendGlyph(context, clip, GlyphOf(font, character), pen, baseline, color);
            }
            if (underlined) {
                // One pixel below the baseline, as wide as the character's cell but its
                // last column, as DrawTextA underlines a mnemonic.
                FillBlock(context, clip, pen, baseline + 1, pen + advance - 1, baseline + 2, color);
            }
            pen += advance;
        });
}

} // namespace

void BindDrawContext(PlatformDrawContext& context, unsigned char* pixels, int width, int height,
                     int pixelsPerInch) {
    const bool usable = pixels != nullptr && width > 0 && height > 0;
    context.pixels = usable ? pixels : nullptr;
    context.width = usable ? width : 0;
    context.height = usable ? height : 0;
    context.pixelsPerInch = pixelsPerInch > 0 ? pixelsPerInch : 96;
    context.selectedFont = nullptr;
    context.textColor = 0;
    context.backgroundColor = 0xFFFFFF;
    context.backgroundMode = BACKGROUND_OPAQUE;
}

PlatformFont* StockFont() {
    static PlatformFont stock = {0, 0};
    return &stock;
}

const PlatformFont& SelectedFont(const PlatformDrawContext& context) {
    return context.selectedFont != nullptr ? *context.selectedFont : *StockFont();
}

void RenderText(PlatformDrawContext& context, const char* text, int length, const TextRect& rect,
                unsigned format) {
    if (text == nullptr) {
        return;
    }
    if (length < 0) {
        length = static_cast<int>(std::strlen(text)); // DrawTextA's -1: up to the NUL
    }
    const Clip clip = ClipOf(context, rect);
    if (context.pixels == nullptr || clip.Empty()) {
        return;
    }
    SizedFont& font = RealiseFont(SelectedFont(context));
    LineBreaker breaker(font, text, length, rect, format);
    TextLine line;
    while (breaker.Next(line)) {
        if (line.y >= clip.bottom) {
            break;
        }
        if (static_cast<long long>(line.y) + font.LineHeight() > clip.top) {
            DrawLine(context, clip, font, text, length, line, format);
        }
    }
}

int MeasureRenderedText(const PlatformDrawContext& context, const char* text, int length) {
    if (text == nullptr || length <= 0) {
        return 0;
    }
    const SizedFont& font = RealiseFont(SelectedFont(context));
    long long width = 0;
    for (int i = 0; i < length; ++i) {
        width += font.advances[static_cast<unsigned char>(text[i])];
    }
    return static_cast<int>(std::min<long long>(width, 0x7FFFFFFF));
}

TextRect MeasureRenderedTextRect(const PlatformDrawContext& context, const char* text, int length,
                                 const TextRect& rect, unsigned format) {
    if (text != nullptr && length < 0) {
        length = static_cast<int>(std::strlen(text));
    }
    if (text == nullptr || length <= 0) {
        return TextRect{rect.left, rect.top, rect.left, rect.top};
    }
    const SizedFont& font = RealiseFont(SelectedFont(context));
    LineBreaker breaker(font, text, length, rect, format);
    TextLine line;
    int widest = 0;
    long long bottom = rect.top;
    while (breaker.Next(line)) {
        widest = std::max(widest, line.width);
        bottom = static_cast<long long>(line.y) + font.LineHeight();
    }
    // Every line starts at the left edge, or is centred: the widest line then
    // starts furthest left.
    long long left = rect.left;
    if (format & TEXT_CENTER) {
        left = (static_cast<long long>(rect.left) + rect.right - widest) / 2;
    }
    const long long right = left + widest;
    return TextRect{static_cast<int>(std::max<long long>(left, rect.left)), rect.top,
                    static_cast<int>(std::min<long long>(right, rect.right)),
                    static_cast<int>(std::min<long long>(bottom, rect.bottom))};
}
