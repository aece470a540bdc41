#include "text_renderer/glyph_cache.h"

#include "text_renderer/font_data.h"

#include <stb/stb_truetype.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

struct Face {
    bool loaded = false;
    stbtt_fontinfo info;
    int unitsPerEm = 2048;
    int ascent = 0;  // font units
    int descent = 0; // font units, positive below the baseline
    int glyphIndex[256] = {};
    int advanceUnits[256] = {};
};

Face faces[FONT_STYLE_COUNT];
SizedFont sizes[GLYPH_CACHE_MAX_SIZES];
unsigned useClock = 0;
std::size_t cachedBytes = 0;
int sizesDropped = 0;
int glyphsUncached = 0;
std::vector<unsigned char> scratch; // a glyph too big to keep

Face& LoadedFace(FontStyle style) {
    Face& face = faces[style];
    if (face.loaded) {
        return face;
    }
    const unsigned char* data = style == FONT_BOLD ? LiberationSerifBold : LiberationSerifRegular;
    if (!stbtt_InitFont(&face.info, data, stbtt_GetFontOffsetForIndex(data, 0))) {
        std::abort(); // the embedded font is part of the program
    }
    face.unitsPerEm =
        static_cast<int>(std::lround(1.0 / stbtt_ScaleForMappingEmToPixels(&face.info, 1.0f)));
    // GDI takes a TrueType font's cell from the OS/2 table's Windows ascent and
    // descent; in Liberation Serif the hhea values stbtt reads are the same
    // (1825 and 443 of 2048).
    int lineGap = 0;
    stbtt_GetFontVMetrics(&face.info, &face.ascent, &face.descent, &lineGap);
    face.descent = -face.descent;
    // Characters outside the embedded set take the font's missing-glyph box, as in
    // GDI; control characters included.
    for (int c = 0; c < 256; ++c) {
        const int glyph = (c >= 32 && c <= 126) ? stbtt_FindGlyphIndex(&face.info, c) : 0;
        face.glyphIndex[c] = glyph;
        int advance = 0;
        int bearing = 0;
        stbtt_GetGlyphHMetrics(&face.info, glyph, &advance, &bearing);
        face.advanceUnits[c] = advance;
    }
    face.loaded = true;
    return face;
}

// The em height in pixels GDI realises for a requested height: a negative height
// is the em height itself, a positive one the cell (ascent plus descent).
int EmPixels(const Face& face, int requestedHeight) {
    long long height = requestedHeight == 0 ? 16 : requestedHeight;
    long long em = 0;
    if (height < 0) {
        em = -height;
    } else {
        const long long cell = face.ascent + face.descent;
        em = (height * face.unitsPerEm + cell / 2) / cell;
    }
    return static_cast<int>(std::clamp<long long>(em, 1, MAX_EM_PIXELS));
}

int RoundToPixels(int units, float scale) {
    return static_cast<int>(std::floor(static_cast<float>(units) * scale + 0.5f));
}

void Realise(SizedFont& font, FontStyle style, int requestedHeight) {
    const Face& face = LoadedFace(style);
    font.style = style;
    font.requestedHeight = requestedHeight;
    font.scale = stbtt_ScaleForMappingEmToPixels(
        &face.info, static_cast<float>(EmPixels(face, requestedHeight)));
    font.ascent = RoundToPixels(face.ascent, font.scale);
    font.descent = RoundToPixels(face.descent, font.scale);
    for (int c = 0; c < 256; ++c) {
        font.advances[c] = RoundToPixels(face.advanceUnits[c], font.scale);
        font.glyphs[c] = CachedGlyph();
    }
    font.coverage.clear();
    font.inUse = true;
}

void Forget(SizedFont& font) {
    cachedBytes -= font.coverage.size();
    font.coverage.clear();
    font.coverage.shrink_to_fit();
    font.inUse = false;
}

// Forgets a size to make room for another.
void Drop(SizedFont& font) {
    Forget(font);
    ++sizesDropped;
}

// Drops the size used longest ago, other than keep; false when there is none.
bool DropOldestExcept(const SizedFont* keep) {
    SizedFont* oldest = nullptr;
    for (SizedFont& font : sizes) {
        if (font.inUse && &font != keep && (oldest == nullptr || font.lastUse < oldest->lastUse)) {
            oldest = &font;
        }
    }
    if (oldest == nullptr) {
        return false;
    }
    Drop(*oldest);
    return true;
}

// Draws a glyph's coverage into out, a byte a pixel, rows glyph.width apart. A
// glyph with an empty box (the space) is left alone: stb_truetype draws nothing
// into a bitmap with no width or height.
void Rasterise(const Face& face, const SizedFont& font, int index, const CachedGlyph& glyph,
               unsigned char* out) {
    stbtt_MakeGlyphBitmap(&face.info, out, glyph.width, glyph.height, glyph.width, font.scale,
                          font.scale, index);
}

} // namespace

FontStyle StyleForWeight(int weight) {
    // GDI picks the face nearest the weight asked: Regular is 400, Bold 700.
    return weight >= 550 ? FONT_BOLD : FONT_REGULAR;
}

SizedFont& RealiseFont(const PlatformFont& request) {
    const FontStyle style = StyleForWeight(request.weight);
    ++useClock;
    SizedFont* slot = nullptr;
    for (SizedFont& font : sizes) {
        if (font.inUse && font.style == style && font.requestedHeight == request.height) {
            font.lastUse = useClock;
            return font;
        }
        if (!font.inUse && slot == nullptr) {
            slot = &font;
        }
    }
    if (slot == nullptr) {
        slot = &sizes[0];
        for (SizedFont& font : sizes) {
            if (font.lastUse < slot->lastUse) {
                slot = &font;
            }
        }
        Drop(*slot);
    }
    Realise(*slot, style, request.height);
    slot->lastUse = useClock;
    return *slot;
}

GlyphImage GlyphOf(SizedFont& font, unsigned char character) {
    CachedGlyph& glyph = font.glyphs[character];
    const Face& face = LoadedFace(font.style);
    const int index = face.glyphIndex[character];
    if (!glyph.ready) {
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
        stbtt_GetGlyphBitmapBox(&face.info, index, font.scale, font.scale, &x0, &y0, &x1, &y1);
        glyph.left = x0;
        glyph.top = y0;
        glyph.width = std::max(x1 - x0, 0);
        glyph.height = std::max(y1 - y0, 0);
        const std::size_t bytes =
            static_cast<std::size_t>(glyph.width) * static_cast<std::size_t>(glyph.height);
        while (cachedBytes + bytes > GLYPH_CACHE_MAX_BYTES && DropOldestExcept(&font)) {
        }
        if (cachedBytes + bytes > GLYPH_CACHE_MAX_BYTES) {
            ++glyphsUncached;
            scratch.assign(bytes, 0);
            Rasterise(face, font, index, glyph, scratch.data());
            const GlyphImage image = {scratch.data(), glyph.left, glyph.top, glyph.width,
                                      glyph.height};
            return image;
        }
        glyph.offset = font.coverage.size();
        font.coverage.resize(glyph.offset + bytes);
        cachedBytes += bytes;
        Rasterise(face, font, index, glyph, font.coverage.data() + glyph.offset);
        glyph.ready = true;
    }
    const GlyphImage image = {font.coverage.data() + glyph.offset, glyph.left, glyph.top,
                              glyph.width, glyph.height};
    return image;
}

GlyphCacheUsage CurrentGlyphCacheUsage() {
    GlyphCacheUsage usage = {0, 0, cachedBytes, sizesDropped, glyphsUncached};
    for (const SizedFont& font : sizes) {
        if (!font.inUse) {
            continue;
        }
        ++usage.sizes;
        for (const CachedGlyph& glyph : font.glyphs) {
            usage.glyphs += glyph.ready ? 1 : 0;
        }
    }
    return usage;
}

void ClearGlyphCache() {
    for (SizedFont& font : sizes) {
        if (font.inUse) {
            Forget(font);
        }
    }
    sizesDropped = 0;
    glyphsUncached = 0;
}
