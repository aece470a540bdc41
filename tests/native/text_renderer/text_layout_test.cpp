#include "text_renderer/glyph_cache.h"
#include "text_renderer/text_layout.h"
#include "text_renderer/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace {

const PlatformFont BOLD_31 = {-31, 700};
enum { LEFT = 20, TOP = 10 };

int Width(const char* text) {
    PlatformDrawContext context;
    context.selectedFont = const_cast<PlatformFont*>(&BOLD_31);
    return MeasureRenderedText(context, text, static_cast<int>(std::strlen(text)));
}

// A char indexes the advances as the byte it is, as the renderer reads it.
int AdvanceOf(const SizedFont& font, char character) {
    return font.advances[static_cast<unsigned char>(character)];
}

struct Laid {
    std::vector<std::string> lines; // the characters each line draws
    std::vector<TextLine> boxes;
};

Laid Lay(const char* text, const TextRect& rect, unsigned format) {
    Laid laid;
    LineBreaker breaker(RealiseFont(BOLD_31), text, static_cast<int>(std::strlen(text)), rect,
                        format);
    TextLine line;
    while (breaker.Next(line)) {
        std::string drawn;
        ForEachDrawnCharacter(text, static_cast<int>(std::strlen(text)), line, format,
                              [&](int, unsigned char c, bool) { drawn += static_cast<char>(c); });
        laid.lines.push_back(drawn);
        laid.boxes.push_back(line);
    }
    return laid;
}

struct LayoutCase {
    const char* name;
    const char* text;
    const char* widthOf; // the rectangle is as wide as this text, plus extra
    int extra;
    unsigned format;
    std::vector<std::string> lines;
};

const unsigned WRAP = TEXT_WORDBREAK;

TEST(TextLayout, BreaksAsDrawTextDoes) {
    const LayoutCase cases[] = {
        {"fits whole", "one two three", "one two three", 0, WRAP, {"one two three"}},
        {"word passing the edge by a pixel moves down",
         "one two three",
         "one two three",
         -1,
         WRAP,
         {"one two", "three"}},
        {"word ending right at the edge stays",
         "one two three",
         "one two",
         0,
         WRAP,
         {"one two", "three"}},
        {"spaces at a break are drawn on neither line",
         "one    two",
         "one",
         1,
         WRAP,
         {"one", "two"}},
        {"long word stands alone",
         "a Supercalifragilistic b",
         "a Super",
         0,
         WRAP,
         {"a", "Supercalifragilistic", "b"}},
        {"long first word",
         "Supercalifragilistic end",
         "Super",
         0,
         WRAP,
         {"Supercalifragilistic", "end"}},
        {"line feeds in every form",
         "one\ntwo\r\nthree\rfour",
         "one two three four",
         0,
         WRAP,
         {"one", "two", "three", "four"}},
        {"empty line between line feeds", "one\n\ntwo", "one two", 0, WRAP, {"one", "", "two"}},
        {"a final carriage return and line feed are one line feed",
         "one\r\n",
         "one",
         0,
         WRAP,
         {"one"}},
        {"line feed in a wrapped text",
         "one two\nthree",
         "one two three",
         0,
         WRAP,
         {"one two", "three"}},
        {"leading spaces of a paragraph are kept", "  one", "  one", 0, WRAP, {"  one"}},
        {"a long word keeps the spaces that lead its paragraph",
         "   Supercalifragilistic",
         "Super",
         0,
         WRAP,
         {"   Supercalifragilistic"}},
        {"format 0 never wraps", "one two three", "one", 0, 0, {"one two three"}},
        {"format 0 honours line feeds", "one two\nthree", "o", 0, 0, {"one two", "three"}},
        {"zero width rectangle: a word a line", "one two", "", 0, WRAP, {"one", "two"}},
        {"negative width rectangle: a word a line", "one two", "", -50, WRAP, {"one", "two"}},
        {"mnemonic, double and final ampersand",
         "&File &&Save&",
         "File &Save&",
         0,
         WRAP,
         {"File &Save&"}},
        {"mnemonic has no width when fitting", "&a &b &c", "a b", 0, WRAP, {"a b", "c"}},
        {"no prefix draws every ampersand",
         "&File &&Save",
         "&File &&Save",
         0,
         WRAP | TEXT_NOPREFIX,
         {"&File &&Save"}},
        {"empty text", "", "", 0, WRAP, {}},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TextRect rect = {LEFT, TOP, LEFT + Width(c.widthOf) + c.extra, TOP + 1000};
        const Laid laid = Lay(c.text, rect, c.format);
        EXPECT_EQ(laid.lines, c.lines);
        const int lineHeight = RealiseFont(BOLD_31).LineHeight();
        for (std::size_t i = 0; i < laid.boxes.size(); ++i) {
            EXPECT_EQ(laid.boxes[i].y, TOP + static_cast<int>(i) * lineHeight);
            EXPECT_EQ(laid.boxes[i].x, LEFT);
            EXPECT_EQ(laid.boxes[i].width, Width(laid.lines[i].c_str()));
        }
    }
}

TEST(TextLayout, UnderlinesOnlyALinesLastMnemonic) {
    const struct {
        const char* text;
        unsigned format;
        int underline; // index of the underlined character, -1 for none
    } cases[] = {
        {"File", WRAP, -1},
        {"&File", WRAP, 1},
        {"&File &Save", WRAP, 7},
        {"&&File", WRAP, -1},
        {"&File", WRAP | TEXT_NOPREFIX, -1},
    };
    for (const auto& c : cases) {
        LineBreaker breaker(RealiseFont(BOLD_31), c.text, static_cast<int>(std::strlen(c.text)),
                            TextRect{0, 0, 1000, 1000}, c.format);
        TextLine line;
        ASSERT_TRUE(breaker.Next(line)) << c.text;
        EXPECT_EQ(line.underline, c.underline) << c.text;
    }
}

TEST(TextLayout, ReadsNoCharacterOutsideTheLengthGiven) {
    // Exactly as long as the length: a look past a final carriage return for its line
    // feed, or before the first of a paragraph's spaces that do not fit, would read
    // outside the allocation, which AddressSanitizer reports.
    const struct {
        std::string text;
        int width;
    } cases[] = {{"one\r", 1000}, {"\r", 1000}, {"one\ntwo\r", 1000}, {"          ", 20}};
    for (const auto& c : cases) {
        const std::string& text = c.text;
        const std::vector<char> exact(text.begin(), text.end());
        LineBreaker breaker(RealiseFont(BOLD_31), exact.data(), static_cast<int>(exact.size()),
                            TextRect{0, 0, c.width, 1000}, WRAP);
        TextLine line;
        int lines = 0;
        while (breaker.Next(line)) {
            ++lines;
        }
        EXPECT_GE(lines, 1) << text;
    }
    PlatformDrawContext context;
    EXPECT_EQ(MeasureRenderedText(context, nullptr, 5), 0);
}

TEST(TextLayout, CentresEachLineAndStopsAfterTheLinePastTheBottom) {
    const int lineHeight = RealiseFont(BOLD_31).LineHeight();
    // Room for one and a half lines: the second is drawn cut, the third not at all.
    const TextRect rect = {LEFT, TOP, LEFT + 301, TOP + lineHeight + lineHeight / 2};
    const Laid laid = Lay("Hi\nwide line\nthird", rect, TEXT_WORDBREAK | TEXT_CENTER);
    ASSERT_EQ(laid.lines, (std::vector<std::string>{"Hi", "wide line"}));
    for (const TextLine& line : laid.boxes) {
        const int leftMargin = line.x - rect.left;
        const int rightMargin = rect.right - (line.x + line.width);
        EXPECT_LE(std::abs(leftMargin - rightMargin), 1);
    }
}

TEST(TextLayout, FontMetricsAndWidthsAreGdis) {
    struct MetricsCase {
        PlatformFont font;
        int ascent;
        int descent;
        int helloWorldWidth;
    };
    // What GDI (Wine, Times New Roman mapped to Liberation Serif) reports. A negative
    // height is the em, a positive one the cell, 0 a cell of 16 rounded as GDI does.
    // At a 27-pixel em regular, GDI's hinting widens a glyph by a pixel (139): the
    // renderer keeps the rounded advances and does not hint.
    const int HINTED = -1;
    const MetricsCase cases[] = {
        {{-27, 0}, 24, 6, HINTED}, {{-16, 0}, 14, 3, 79},    {{-31, 700}, 28, 7, 167},
        {{-24, 700}, 21, 5, 129},  {{30, 0}, 24, 6, HINTED}, {{31, 700}, 25, 6, 149},
        {{20, 0}, 16, 4, 91},      {{0, 700}, 12, 3, 75},    {{-1, 0}, 1, 0, 5},
        {{100, 700}, 80, 19, 478},
    };
    for (const MetricsCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.font.height) + " " + std::to_string(c.font.weight));
        const SizedFont& font = RealiseFont(c.font);
        EXPECT_EQ(font.ascent, c.ascent);
        EXPECT_EQ(font.descent, c.descent);
        PlatformDrawContext context;
        PlatformFont selected = c.font;
        context.selectedFont = &selected;
        if (c.helloWorldWidth != HINTED) {
            EXPECT_EQ(MeasureRenderedText(context, "Hello World", 11), c.helloWorldWidth);
        }
        // Outside ' ' to '~' every character takes the missing-glyph box, as in GDI
        // with the game's fonts: a control character and a Latin-1 letter alike.
        for (const char outside : {'\x7F', '\xA3', '\xC8', '\xD1', '\xE9'}) {
            EXPECT_EQ(AdvanceOf(font, outside), AdvanceOf(font, '\x01'))
                << static_cast<int>(static_cast<unsigned char>(outside));
        }
    }
}

// --- Pixels -----------------------------------------------------------------

enum { BUFFER_WIDTH = 120, BUFFER_HEIGHT = 60 };
const unsigned char SENTINEL[4] = {11, 22, 33, 0xA5};

struct Buffer {
    std::vector<unsigned char> bytes;
    Buffer() {
        for (int i = 0; i < BUFFER_WIDTH * BUFFER_HEIGHT; ++i) {
            bytes.insert(bytes.end(), SENTINEL, SENTINEL + 4);
        }
    }
    const unsigned char* At(int x, int y) const {
        return &bytes[static_cast<std::size_t>(y * BUFFER_WIDTH + x) * 4];
    }
    bool Changed(int x, int y) const { return std::memcmp(At(x, y), SENTINEL, 4) != 0; }
    // Pixels of columns [0, right) for which pixelTest(x, y) holds.
    template <typename PixelTest> int Count(PixelTest pixelTest, int right = BUFFER_WIDTH) const {
        int count = 0;
        for (int y = 0; y < BUFFER_HEIGHT; ++y) {
            for (int x = 0; x < right; ++x) {
                count += pixelTest(x, y) ? 1 : 0;
            }
        }
        return count;
    }
};

// A buffer bound to a fresh context, with a font of its own selected.
struct Drawing {
    explicit Drawing(PlatformFont selected) : font(selected) {
        BindDrawContext(context, buffer.bytes.data(), BUFFER_WIDTH, BUFFER_HEIGHT, 96);
        context.selectedFont = &font;
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;

    void Draw(const char* text, int left = 0) {
        RenderText(context, text, -1, TextRect{left, 0, BUFFER_WIDTH, BUFFER_HEIGHT}, 0);
    }

    Buffer buffer;
    PlatformFont font;
    PlatformDrawContext context;
};

struct DrawCase {
    const char* name;
    TextRect rect;
    bool inkExpected;
};

TEST(TextRendering, WritesOnlyInsideTheRectangleAndTheBufferAndNeverTheFourthByte) {
    const DrawCase cases[] = {
        {"inside", {5, 5, 100, 50}, true},
        {"past the left edge", {-15, 5, 100, 50}, true},
        {"past the top edge", {5, -20, 100, 50}, true},
        {"past the right edge", {80, 5, 400, 50}, true},
        {"past the bottom edge", {5, 40, 100, 300}, true},
        {"clipped by the rectangle", {10, 10, 30, 25}, true},
        {"whole number range", {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, false},
        {"outside the buffer", {200, 200, 400, 400}, false},
        {"left of the buffer", {-400, 5, -1, 50}, false},
        {"empty rectangle", {50, 20, 50, 40}, false},
        {"upside-down rectangle", {100, 50, 5, 5}, false},
    };
    for (const DrawCase& c : cases) {
        for (int mode : {BACKGROUND_TRANSPARENT, BACKGROUND_OPAQUE}) {
            SCOPED_TRACE(std::string(c.name) + (mode == BACKGROUND_OPAQUE ? " opaque" : ""));
            Buffer buffer;
            PlatformDrawContext context;
            BindDrawContext(context, buffer.bytes.data(), BUFFER_WIDTH, BUFFER_HEIGHT, 96);
            PlatformFont font = {-24, 700};
            context.selectedFont = &font;
            context.backgroundMode = mode;
            context.textColor = 0xFFFF00;
            context.backgroundColor = 0x000000;
            RenderText(context, "Wag &jolly\nMW qy", -1, c.rect, TEXT_WORDBREAK);
            bool inked = false;
            for (int y = 0; y < BUFFER_HEIGHT; ++y) {
                for (int x = 0; x < BUFFER_WIDTH; ++x) {
                    EXPECT_EQ(buffer.At(x, y)[3], SENTINEL[3]);
                    const bool inside = x >= c.rect.left && x < c.rect.right && y >= c.rect.top &&
                                        y < c.rect.bottom;
                    if (buffer.Changed(x, y)) {
                        inked = true;
                        ASSERT_TRUE(inside) << x << "," << y;
                    }
                }
            }
            EXPECT_EQ(inked, c.inkExpected);
        }
    }
}

TEST(TextRendering, OpaqueFillsTheLineCellAndGlyphsBlendInTheTextColour) {
    Buffer buffer;
    PlatformDrawContext context;
    BindDrawContext(context, buffer.bytes.data(), BUFFER_WIDTH, BUFFER_HEIGHT, 96);
    PlatformFont font = {-24, 0};
    context.selectedFont = &font;
    context.textColor = 0x0000FF;       // red
    context.backgroundColor = 0x00FF00; // green, opaque by default
    RenderText(context, "&xo", -1, TextRect{4, 4, 110, 56}, 0);
    const SizedFont& sized = RealiseFont(font);
    const int width = AdvanceOf(sized, 'x') + AdvanceOf(sized, 'o');
    const int cellBottom = 4 + sized.LineHeight();
    // The cell's corners are the background; just past it nothing changed.
    EXPECT_EQ(buffer.At(4, 4)[1], 0xFF);
    EXPECT_EQ(buffer.At(4, 4)[2], 0x00);
    EXPECT_EQ(buffer.At(4 + width - 1, 4)[1], 0xFF);
    EXPECT_FALSE(buffer.Changed(4 + width, 4));
    EXPECT_FALSE(buffer.Changed(4, cellBottom));
    // Glyph pixels: some in the full text colour, some blended between the two. The
    // underline's row is full colour of its own, so it is not counted.
    const int underline = 4 + sized.ascent + 1;
    int full = 0;
    int blended = 0;
    for (int y = 4; y < cellBottom; ++y) {
        for (int x = 4; x < 4 + width; ++x) {
            const unsigned char* p = buffer.At(x, y);
            full += (y != underline && p[2] == 0xFF && p[1] == 0x00) ? 1 : 0;
            blended += (p[2] > 0 && p[2] < 0xFF && p[1] > 0 && p[1] < 0xFF) ? 1 : 0;
            EXPECT_EQ(p[0], 0); // blue is in neither colour
        }
    }
    EXPECT_GT(full, 10);
    EXPECT_GT(blended, 10);
    // The mnemonic "x" is underlined one pixel below the baseline.
    EXPECT_EQ(buffer.At(4 + 1, underline)[2], 0xFF);
    EXPECT_EQ(buffer.At(4 + 1, underline)[1], 0x00);
    EXPECT_EQ(buffer.At(4 + 1, underline + 1)[1], 0xFF); // one pixel thick
    // As wide as the "x"'s cell but its last column.
    EXPECT_EQ(buffer.At(4 + AdvanceOf(sized, 'x') - 2, underline)[1], 0x00);
    EXPECT_EQ(buffer.At(4 + AdvanceOf(sized, 'x') - 1, underline)[1], 0xFF);
    EXPECT_EQ(buffer.At(4 + AdvanceOf(sized, 'x') + 2, underline)[1], 0xFF); // "o" is not
}

TEST(TextRendering, FullyCoveredPixelsTakeEveryChannelOfTheTextColour) {
    for (const std::uint32_t color : {0xFFFFFFu, 0x123456u}) {
        Drawing drawing({-40, 700});
        drawing.context.textColor = color;
        drawing.context.backgroundMode = BACKGROUND_TRANSPARENT;
        drawing.Draw("IH");
        const unsigned char bgr[3] = {static_cast<unsigned char>(color >> 16),
                                      static_cast<unsigned char>(color >> 8),
                                      static_cast<unsigned char>(color)};
        const int exact = drawing.buffer.Count(
            [&](int x, int y) { return std::memcmp(drawing.buffer.At(x, y), bgr, 3) == 0; });
        EXPECT_GT(exact, 50) << std::hex << color; // the stems of I and H
    }
}

TEST(TextRendering, EveryCoverageBlendsEvenTheFaintest) {
    // White on black: a pixel of coverage c becomes (255 c + 127) / 255, so only
    // the faintest coverage, 1 of 255, gives exactly 1.
    Drawing drawing({-31, 0});
    drawing.context.textColor = 0xFFFFFF;
    drawing.context.backgroundColor = 0;
    drawing.Draw("swirl &o@");
    EXPECT_GT(drawing.buffer.Count([&](int x, int y) { return drawing.buffer.At(x, y)[0] == 1; }),
              0);
}

TEST(TextRendering, BlendsByCoverageRoundedSoThatInverseColoursAddUp) {
    // White on black gives each pixel its coverage c; black on white gives 255 - c.
    Drawing white({-31, 0});
    white.context.textColor = 0xFFFFFF;
    white.context.backgroundColor = 0;
    white.Draw("swirl &o@");
    Drawing black({-31, 0});
    black.context.textColor = 0;
    black.context.backgroundColor = 0xFFFFFF;
    black.Draw("swirl &o@");
    const int wrong = white.buffer.Count([&](int x, int y) {
        const unsigned char* one = white.buffer.At(x, y);
        const unsigned char* other = black.buffer.At(x, y);
        return white.buffer.Changed(x, y) &&
               (one[0] + other[0] != 255 || one[1] + other[1] != 255 || one[2] + other[2] != 255 ||
                one[3] != SENTINEL[3] || other[3] != SENTINEL[3]);
    });
    EXPECT_EQ(wrong, 0);
}

TEST(TextRendering, EachChannelBlendsOnItsOwn) {
    // A colour drawn on a colour gives, channel by channel, what that channel's grey
    // drawn on the other's grey gives. Colours are 0x00BBGGRR; a pixel is B, G, R.
    const std::uint32_t text = 0x2080F0;
    const std::uint32_t background = 0xC01040;
    Drawing coloured({-31, 0});
    coloured.context.textColor = text;
    coloured.context.backgroundColor = background;
    coloured.Draw("swirl &o@");
    for (int channel = 0; channel < 3; ++channel) {
        const int shift = 16 - 8 * channel;
        Drawing grey({-31, 0});
        grey.context.textColor = ((text >> shift) & 0xFF) * 0x010101u;
        grey.context.backgroundColor = ((background >> shift) & 0xFF) * 0x010101u;
        grey.Draw("swirl &o@");
        const int differing = grey.buffer.Count([&](int x, int y) {
            return coloured.buffer.At(x, y)[channel] != grey.buffer.At(x, y)[channel];
        });
        EXPECT_EQ(differing, 0) << "channel " << channel;
    }
}

TEST(TextRendering, AGlyphStartingLeftOfTheClipIsDrawnWhereItReachesIn) {
    Drawing drawing({-40, 700});
    drawing.context.backgroundMode = BACKGROUND_TRANSPARENT;
    const int advance = AdvanceOf(RealiseFont(drawing.font), 'W');
    drawing.Draw("W", -advance / 2); // the pen stands left of the buffer by half the W
    const int ink = drawing.buffer.Count([&](int x, int y) { return drawing.buffer.Changed(x, y); },
                                         advance / 2);
    EXPECT_GT(ink, 20);
}

TEST(TextRendering, DrawsIntoTheSmallestBufferAndNothingForALengthOfZero) {
    const struct {
        int length;
        bool drawn;
    } cases[] = {{1, true}, {0, false}};
    for (const auto& c : cases) {
        unsigned char pixel[4] = {11, 22, 33, 44};
        PlatformDrawContext context;
        BindDrawContext(context, pixel, 1, 1, 96); // opaque white background
        RenderText(context, "Hi", c.length, TextRect{0, 0, 1, 1}, 0);
        EXPECT_EQ(pixel[0] != 11, c.drawn) << c.length;
    }
}

TEST(TextRendering, EveryPrintableCharacterButTheSpaceHasInk) {
    // At a 3-pixel em some glyphs are a single pixel: "." and "'".
    for (const PlatformFont& asked : {BOLD_31, PlatformFont{-3, 0}}) {
        SizedFont& font = RealiseFont(asked);
        for (int c = '!'; c <= '~'; ++c) {
            const GlyphImage glyph = GlyphOf(font, static_cast<unsigned char>(c));
            const int size = glyph.width * glyph.height;
            EXPECT_TRUE(std::any_of(glyph.coverage, glyph.coverage + size,
                                    [](unsigned char covered) { return covered > 0; }))
                << static_cast<char>(c) << " at " << asked.height;
        }
    }
}

TEST(TextRendering, AContextWithoutAResolutionOrAFontTakesTheLayouts96AndARegularCellOf16) {
    for (const int given : {0, -5}) {
        PlatformDrawContext context;
        BindDrawContext(context, nullptr, 0, 0, given);
        EXPECT_EQ(context.pixelsPerInch, 96) << given;
        PlatformFont regularCellOf16 = {0, 0};
        context.selectedFont = &regularCellOf16;
        const int width = MeasureRenderedText(context, "Hello World", 11);
        context.selectedFont = nullptr;
        EXPECT_EQ(MeasureRenderedText(context, "Hello World", 11), width);
    }
}

TEST(TextRendering, GlyphsStandWhereTheirBearingsPutThemAndTheUnderlineBelow) {
    for (const char character : {'(', 'T', 'W'}) { // ink inside the text's rectangle
        Drawing drawing({-40, 700});
        drawing.context.backgroundMode = BACKGROUND_TRANSPARENT;
        const char text[2] = {character, '\0'};
        drawing.Draw(text, 10);
        const GlyphImage glyph = GlyphOf(RealiseFont(drawing.font), character);
        int firstCovered = glyph.width;
        for (int i = 0; i < glyph.width * glyph.height; ++i) {
            firstCovered =
                glyph.coverage[i] > 0 ? std::min(firstCovered, i % glyph.width) : firstCovered;
        }
        int firstInk = BUFFER_WIDTH;
        drawing.buffer.Count([&](int x, int y) {
            firstInk = drawing.buffer.Changed(x, y) ? std::min(firstInk, x) : firstInk;
            return false;
        });
        EXPECT_EQ(firstInk, 10 + glyph.left + firstCovered) << character;
    }
    // The mnemonic's underline lies on the row below the baseline, not on it: a "T"
    // has no ink at the baseline left of its stem.
    Drawing drawing({-40, 700});
    drawing.context.backgroundMode = BACKGROUND_TRANSPARENT;
    drawing.Draw("&T", 10);
    const int baseline = RealiseFont(drawing.font).ascent;
    EXPECT_FALSE(drawing.buffer.Changed(11, baseline));
    EXPECT_TRUE(drawing.buffer.Changed(11, baseline + 1));
}

TEST(TextRendering, MeasuredWidthIsTheDrawnWidth) {
    const char* text = "The person that knows you best is: AAAA";
    const TextRect rect = {0, 0, 4000, 100};
    const Laid laid = Lay(text, rect, TEXT_NOPREFIX);
    ASSERT_EQ(laid.boxes.size(), 1u);
    EXPECT_EQ(Width(text), laid.boxes[0].width);
    PlatformDrawContext context;
    EXPECT_EQ(MeasureRenderedText(context, text, 0), 0);

    // The measured rectangle is the one the laid-out lines cover: a single character,
    // centred lines of different widths, a long line.
    context.selectedFont = const_cast<PlatformFont*>(&BOLD_31);
    const int lineHeight = RealiseFont(BOLD_31).LineHeight();
    const TextRect box = {LEFT, TOP, LEFT + 1000, TOP + 400};
    const TextRect none = MeasureRenderedTextRect(context, "I", 0, box, 0); // a length of 0
    EXPECT_EQ((std::vector<int>{none.left, none.top, none.right, none.bottom}),
              (std::vector<int>{LEFT, TOP, LEFT, TOP}));
    const struct {
        const char* text;
        unsigned format;
    } cases[] = {{"I", 0}, {"I", TEXT_CENTER}, {"Hi\nwide line", TEXT_CENTER}, {text, 0}};
    for (const auto& c : cases) {
        std::vector<int> covered = {INT_MAX, box.top, INT_MIN, box.top};
        for (const TextLine& line : Lay(c.text, box, c.format).boxes) {
            covered = {std::min(covered[0], line.x), box.top,
                       std::max(covered[2], line.x + line.width), line.y + lineHeight};
        }
        const TextRect measured = MeasureRenderedTextRect(context, c.text, -1, box, c.format);
        EXPECT_EQ((std::vector<int>{measured.left, measured.top, measured.right, measured.bottom}),
                  covered)
            << c.text << " " << c.format;
    }
}

TEST(GlyphCache, CountsTheSizesAndGlyphsItHolds) {
    ClearGlyphCache();
    const GlyphCacheUsage empty = CurrentGlyphCacheUsage();
    EXPECT_EQ(empty.sizes, 0);
    EXPECT_EQ(empty.glyphs, 0);
    EXPECT_EQ(empty.bytes, 0u);
    std::vector<unsigned char> pixels(200 * 60 * 4, 0);
    PlatformDrawContext context;
    BindDrawContext(context, pixels.data(), 200, 60, 96);
    context.selectedFont = const_cast<PlatformFont*>(&BOLD_31);
    RenderText(context, "abca", -1, TextRect{0, 0, 200, 60}, 0);
    const GlyphCacheUsage used = CurrentGlyphCacheUsage();
    EXPECT_EQ(used.sizes, 1);
    EXPECT_EQ(used.glyphs, 3); // "a" is kept once
    EXPECT_GT(used.bytes, 0u);
}

TEST(GlyphCache, TheLeastRecentlyUsedSizeGivesWay) {
    ClearGlyphCache();
    for (int i = 0; i < GLYPH_CACHE_MAX_SIZES; ++i) {
        RealiseFont(PlatformFont{-(10 + i), 0});
    }
    RealiseFont(PlatformFont{-10, 0}); // the first size is now the most recent
    RealiseFont(PlatformFont{-100, 0});
    EXPECT_EQ(CurrentGlyphCacheUsage().sizesDropped, 1);
    RealiseFont(PlatformFont{-10, 0}); // still held
    EXPECT_EQ(CurrentGlyphCacheUsage().sizesDropped, 1);
    RealiseFont(PlatformFont{-11, 0}); // it was the one that gave way
    EXPECT_EQ(CurrentGlyphCacheUsage().sizesDropped, 2);
    EXPECT_EQ(CurrentGlyphCacheUsage().sizes, GLYPH_CACHE_MAX_SIZES);
}

TEST(GlyphCache, StaysWithinItsBoundWhateverSizesAreAsked) {
    std::vector<unsigned char> pixels(400 * 300 * 4, 0);
    PlatformDrawContext context;
    BindDrawContext(context, pixels.data(), 400, 300, 96);
    for (int height = 8; height < 8 + 3 * GLYPH_CACHE_MAX_SIZES; height += 3) {
        PlatformFont font = {-height * 4, 700};
        context.selectedFont = &font;
        RenderText(context, "ABCDEFGHIJKLMNOPQRSTUVWXYZ abcdefghijklmnopqrstuvwxyz", -1,
                   TextRect{0, 0, 400, 300}, TEXT_WORDBREAK);
        const GlyphCacheUsage usage = CurrentGlyphCacheUsage();
        EXPECT_LE(usage.sizes, GLYPH_CACHE_MAX_SIZES);
        EXPECT_LE(usage.bytes, GLYPH_CACHE_MAX_BYTES);
    }
    EXPECT_EQ(CurrentGlyphCacheUsage().sizes, GLYPH_CACHE_MAX_SIZES);

    // Sizes so large that a few fill the byte budget: those used longest ago give way,
    // so every glyph is still kept rather than drawn anew each time.
    ClearGlyphCache();
    for (int em = 400; em <= 560; em += 40) {
        SizedFont& font = RealiseFont(PlatformFont{-em, 700});
        for (unsigned char c = 'A'; c <= 'Z'; ++c) {
            GlyphOf(font, c);
        }
    }
    const GlyphCacheUsage usage = CurrentGlyphCacheUsage();
    EXPECT_GT(usage.sizesDropped, 0);
    EXPECT_EQ(usage.glyphsUncached, 0);
    EXPECT_LE(usage.bytes, GLYPH_CACHE_MAX_BYTES);

    // A glyph larger than any one size's glyphs makes as many sizes give way as
    // it takes to be kept: eleven sizes of one "M" of about 370 KB each, then an
    // "@" of about 740 KB.
    ClearGlyphCache();
    for (int em = 800; em > 789; --em) {
        GlyphOf(RealiseFont(PlatformFont{-em, 700}), 'M');
    }
    GlyphOf(RealiseFont(PlatformFont{-MAX_EM_PIXELS, 700}), '@');
    const GlyphCacheUsage largest = CurrentGlyphCacheUsage();
    EXPECT_EQ(largest.sizesDropped, 2);
    EXPECT_EQ(largest.glyphsUncached, 0);
    EXPECT_LE(largest.bytes, GLYPH_CACHE_MAX_BYTES);
    GlyphOf(RealiseFont(PlatformFont{-790, 700}), 'M'); // the two used longest ago went
    EXPECT_EQ(CurrentGlyphCacheUsage().sizesDropped, 2);
}

} // namespace
