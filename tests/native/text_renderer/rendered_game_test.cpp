// A whole game, name to results, drawn with real glyphs: the game core on the
// portable renderer's text operations, under the sanitizers, at several window
// sizes. Set LORVAN_RENDERED_SCREENS to a folder to keep a picture of each screen.
#include "app/game_state.h"
#include "render/background.h"
#include "render/frame_composer.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/game_player.h"
#include "text_renderer/glyph_cache.h"
#include "text_renderer/text_renderer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

const unsigned char FOURTH_BYTE = 0x5A; // the game never writes it

struct Size {
    int width;
    int height;
};

class RenderedGame {
  public:
    void Frame(Size frameSize) {
        size = frameSize;
        const std::size_t pixelCount =
            static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
        pixels.assign(pixelCount * 4, FOURTH_BYTE);
        BindDrawContext(context, pixels.data(), size.width, size.height, 96);
        ComposeFrame(&context, size.width, size.height, pixels.data());
        Fake.tick += 40;
        Fake.calls.clear(); // thousands of frames need not pile up their calls
        const unsigned char* fourth = pixels.data() + 3;
        const unsigned char* end = pixels.data() + pixels.size();
        for (; fourth < end; fourth += 4) {
            if (*fourth != FOURTH_BYTE) {
                FAIL() << "pixel " << (fourth - pixels.data()) / 4
                       << " had its fourth byte written";
            }
        }
    }

    // The frame's pixels hashed, so that frames of two runs compare without keeping
    // them all (the library's byte hash runs at memory speed in a sanitized build).
    std::size_t Hash() const {
        const std::string_view bytes(reinterpret_cast<const char*>(pixels.data()), pixels.size());
        return std::hash<std::string_view>()(bytes);
    }

    // Pixels the screen drew over the background: text, box and overlay.
    int DrawnPixels() const {
        std::vector<unsigned char> background(pixels.size(), FOURTH_BYTE);
        FillBackground(background.data(), size.width, size.height, FrameComposer.backgroundPhase);
        int drawn = 0;
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            drawn += std::memcmp(&pixels[i], &background[i], 3) != 0 ? 1 : 0;
        }
        return drawn;
    }

    int Area() const { return size.width * size.height; }

    void Keep(const std::string& name) const {
        const char* folder = std::getenv("LORVAN_RENDERED_SCREENS");
        if (folder == nullptr) {
            return;
        }
        const std::string path = std::string(folder) + "/" + name + ".ppm";
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            return;
        }
        std::fprintf(file, "P6 %d %d 255\n", size.width, size.height);
        for (std::size_t i = 0; i < pixels.size(); i += 4) {
            const unsigned char rgb[3] = {pixels[i + 2], pixels[i + 1], pixels[i]};
            std::fwrite(rgb, 1, 3, file);
        }
        std::fclose(file);
    }

  private:
    PlatformDrawContext context;
    std::vector<unsigned char> pixels;
    Size size = {0, 0};
};

// What the player types on each question screen.
const char* const ANSWERS[] = {"Maximiliana Theodora Worthing!",
                               "",
                               "20",
                               "19",
                               "Wilhelmina & Co",
                               "Bartholomew",
                               "Anna",
                               "Ben",
                               "Carla",
                               "The Good, the Bad & the 100% Unbeatables",
                               "Heat",
                               "Once Upon a Time in the West, Part Three",
                               "Up",
                               "A castle, a pony & 100% sunshine!!"};

TEST(RenderedGame, PlaysAWholeGameWithRealGlyphsAtEverySize) {
    StartFreshGame();
    ResetFake();
    RenderedGame game;
    game.Frame({624, 421}); // the base layout size

    const Size sizes[] = {{624, 421}, {1000, 700}, {1920, 1080}, {312, 210}};
    for (int screen = AskName; screen <= AskWish; ++screen) {
        SCOPED_TRACE(screen);
        const Size size = sizes[screen % 4];
        game.Frame(size); // the screen's first frame
        Type(ANSWERS[screen]);
        for (std::size_t i = 0; i < std::strlen(ANSWERS[screen]) + 1; ++i) {
            game.Frame(size);
        }
        // At least one pixel in 500 is text (or the box), at every size.
        EXPECT_GT(game.DrawnPixels(), game.Area() / 500);
        game.Keep("screen" + std::to_string(screen));
        Type("\r");
        game.Frame(size);
        ASSERT_EQ(ScreenIndex, screen + 1);
    }

    for (int frame = 0; frame < 200 && ScreenIndex == Thinking; ++frame) {
        Fake.tick += 100;
        game.Frame({1000, 700});
    }
    ASSERT_EQ(ScreenIndex, ShowResults);
    ShowFpsOverlay = true;
    for (const Size& size : sizes) {
        game.Frame(size);
        // The results fill much of the window with their lines.
        EXPECT_GT(game.DrawnPixels(), game.Area() / 10);
        game.Keep("results" + std::to_string(size.width));
    }

    const GlyphCacheUsage usage = CurrentGlyphCacheUsage();
    std::printf("glyph cache after a whole game: %d sizes, %d glyphs, %zu bytes\n", usage.sizes,
                usage.glyphs, usage.bytes);
    EXPECT_LE(usage.sizes, GLYPH_CACHE_MAX_SIZES);
    EXPECT_LE(usage.bytes, GLYPH_CACHE_MAX_BYTES);
    StartFreshGame();
}

// One frame of a swept game: where it was drawn and what it showed.
struct SweptFrame {
    int screen;
    Size size;
    std::size_t hash;
};

// 40 client sizes, landscape and portrait in turn as a phone turns, each with its
// own font sizes; then one so tall that its fonts reach the largest em and their
// glyphs overrun the byte budget; then the 40 back.
Size SweepSize(int i) {
    const int across = 180 + 16 * i;
    const int down = 135 + 10 * i;
    return i % 2 == 0 ? Size{across, down} : Size{down, across};
}

std::vector<Size> SweepSizes() {
    std::vector<Size> sweep;
    for (int i = 0; i < 40; ++i) {
        sweep.push_back(SweepSize(i));
    }
    sweep.push_back({160, 18000});
    for (int i = 39; i >= 0; --i) {
        sweep.push_back(SweepSize(i));
    }
    return sweep;
}

// Plays a whole game, sweeping the client size through every screen. With
// coldCache the glyph cache starts empty for every frame. In the warm run the
// cache stays within its bounds after every frame.
void PlaySweptGame(bool coldCache, std::vector<SweptFrame>& frames, GlyphCacheUsage& usage) {
    StartFreshGame();
    ResetFake();
    ClearGlyphCache();
    RenderedGame game;
    const auto frame = [&](Size size) {
        if (coldCache) {
            ClearGlyphCache();
        }
        game.Frame(size);
        frames.push_back({ScreenIndex, size, game.Hash()});
        usage = CurrentGlyphCacheUsage();
        ASSERT_LE(usage.sizes, GLYPH_CACHE_MAX_SIZES);
        ASSERT_LE(usage.bytes, GLYPH_CACHE_MAX_BYTES);
    };
    frame({624, 421}); // the base layout size
    const std::vector<Size> sweep = SweepSizes();
    for (int screen = AskName; screen <= ShowResults; ++screen) {
        ShowFpsOverlay = screen == ShowResults; // its own font joins the last sweep
        Type(screen < Thinking ? ANSWERS[screen] : "");
        for (const Size& size : sweep) {
            frame(size);
        }
        ASSERT_EQ(ScreenIndex, screen);
        if (screen < Thinking) {
            Type("\r");
            frame({624, 421});
        }
        while (screen == Thinking && ScreenIndex == Thinking) {
            Fake.tick += 100;
            frame({624, 421});
        }
    }
    StartFreshGame();
}

// Resizing a phone's window gives the screens new font sizes again and again.
// Sizes are dropped, and glyphs drawn uncached, yet every frame has the pixels it
// would have with a cold cache. A drop frees the size's coverage, so drawing from
// a dropped size would also be a use after free under the sanitizers.
TEST(RenderedGame, SweepingTheWindowSizeDropsSizesYetDrawsAsACleanCache) {
    std::vector<SweptFrame> warm;
    GlyphCacheUsage warmUsage = {};
    PlaySweptGame(false, warm, warmUsage);
    ASSERT_FALSE(HasFatalFailure());
    std::printf("glyph cache after %zu swept frames: %d sizes dropped, %d glyphs uncached\n",
                warm.size(), warmUsage.sizesDropped, warmUsage.glyphsUncached);
    EXPECT_GT(warmUsage.sizesDropped, 2 * 40);
    EXPECT_GT(warmUsage.glyphsUncached, 0);

    std::vector<SweptFrame> cold;
    GlyphCacheUsage coldUsage = {};
    PlaySweptGame(true, cold, coldUsage);
    ASSERT_EQ(cold.size(), warm.size());
    int differing = 0;
    for (std::size_t i = 0; i < warm.size(); ++i) {
        if (warm[i].hash != cold[i].hash && ++differing <= 5) {
            ADD_FAILURE() << "frame " << i << " (screen " << warm[i].screen << " at "
                          << warm[i].size.width << "x" << warm[i].size.height
                          << ") differs from the same frame drawn with a cold cache";
        }
    }
    EXPECT_EQ(differing, 0);
}

TEST(RenderedGame, FontsAndContextBehaveAsGdisDo) {
    std::vector<unsigned char> pixels(16 * 16 * 4, 0);
    PlatformDrawContext context;
    BindDrawContext(context, pixels.data(), 16, 16, 120);
    EXPECT_EQ(PlatformPixelsPerInchY(&context), 120);
    FontHandle font = PlatformCreateFont(-20, FONT_WEIGHT_BOLD, "Times New Roman");
    FontHandle stock = PlatformSelectFont(&context, font);
    EXPECT_EQ(PlatformSelectFont(&context, nullptr), nullptr); // refused, nothing changes
    EXPECT_EQ(PlatformSelectFont(&context, stock), font);
    PlatformDeleteFont(font);
    PlatformDeleteFont(stock); // a stock font outlives a delete
    EXPECT_EQ(PlatformMeasureTextWidth(&context, "ab", 2),
              PlatformMeasureTextWidth(&context, "a", 1) +
                  PlatformMeasureTextWidth(&context, "b", 1));

    // Either background mode is taken, any other value ignored, as SetBkMode does.
    const struct {
        int first;
        int then;    // 7 is no mode
        bool filled; // a line's cell takes the background colour
    } modes[] = {{BACKGROUND_OPAQUE, BACKGROUND_TRANSPARENT, false},
                 {BACKGROUND_TRANSPARENT, BACKGROUND_OPAQUE, true},
                 {BACKGROUND_TRANSPARENT, 7, false},
                 {BACKGROUND_OPAQUE, 7, true}};
    for (const auto& m : modes) {
        std::fill(pixels.begin(), pixels.end(), 0);
        PlatformSetBackgroundColor(&context, 0xFFFFFF);
        PlatformSetBackgroundMode(&context, m.first);
        PlatformSetBackgroundMode(&context, m.then);
        PlatformDrawText(&context, " ", 1, TextRect{0, 0, 16, 16}, 0); // a cell with no ink
        EXPECT_EQ(pixels[(1 * 16 + 1) * 4] == 0xFF, m.filled) << m.first << " then " << m.then;
    }
}

} // namespace
