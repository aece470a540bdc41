// Liberation Serif realised at the sizes the game asks for, and the glyphs
// rasterised at each size, kept across frames.
//
// The screens create and delete their fonts in every frame, as they do on
// Windows, where GDI keeps realised glyphs in a cache of its own. This cache does
// the same: a font of a given style and height is realised once (metrics and
// advances) and each glyph rasterised once, then reused while it stays in the
// cache. The cache is bounded: see GLYPH_CACHE_MAX_SIZES and
// GLYPH_CACHE_MAX_BYTES below.
#pragma once

#include "text_renderer/text_renderer.h"

#include <cstddef>
#include <vector>

enum FontStyle { FONT_REGULAR, FONT_BOLD, FONT_STYLE_COUNT };

enum : int {
    // At most this many realised sizes are kept (a frame of the game uses five at
    // most: three screen sizes, the text box and the overlay); the one used
    // longest ago gives way.
    GLYPH_CACHE_MAX_SIZES = 12,
    // Em heights above this are drawn at this height. The game's layouts reach it
    // only in windows thousands of pixels tall; it keeps one glyph's coverage
    // under a few megabytes whatever a layout asks.
    MAX_EM_PIXELS = 1024
};

// Coverage bytes of all cached glyphs together stay at or under this; sizes used
// longest ago are dropped to make room, and a glyph that still does not fit is
// rasterised for the one use and not kept.
constexpr std::size_t GLYPH_CACHE_MAX_BYTES = 4u << 20;

// Where a glyph's coverage lies relative to the pen on the baseline.
struct GlyphImage {
    const unsigned char* coverage; // width * height bytes, 0 (none) to 255 (full)
    int left;                      // of the pen
    int top;                       // of the baseline, negative above it
    int width;
    int height;
};

struct CachedGlyph {
    bool ready = false;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::size_t offset = 0; // of its coverage in SizedFont::coverage
};

// One style realised at one requested height: the metrics GDI would report for it
// and the glyphs rasterised so far.
struct SizedFont {
    FontStyle style = FONT_REGULAR;
    int requestedHeight = 0; // as CreateFont was given it
    float scale = 0;         // font units to pixels
    int ascent = 0;          // pixels above the baseline
    int descent = 0;         // pixels below it
    int advances[256] = {};  // of each character, rounded to whole pixels
    CachedGlyph glyphs[256];
    std::vector<unsigned char> coverage;
    unsigned lastUse = 0;
    bool inUse = false;

    int LineHeight() const { return ascent + descent; }
};

FontStyle StyleForWeight(int weight);

// The realised font for a font the game made; stays valid until the next call.
SizedFont& RealiseFont(const PlatformFont& font);

// The coverage of one character of a realised font; valid until the next call.
GlyphImage GlyphOf(SizedFont& font, unsigned char character);

struct GlyphCacheUsage {
    int sizes;
    int glyphs;
    std::size_t bytes;
    // Since the cache was last cleared: sizes that gave way to another size or to
    // the byte budget, and glyphs drawn without being kept because they did not fit.
    int sizesDropped;
    int glyphsUncached;
};
GlyphCacheUsage CurrentGlyphCacheUsage();

// Forgets every realised font and glyph and sets the counts of drops back to 0.
void ClearGlyphCache();
