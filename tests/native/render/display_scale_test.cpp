// The layout at every display scale a Windows laptop ships with: each screen's
// positions and font heights are the 96-dpi ones times dpi / 96.
#include "app/display_scale.h"

#include "render/text_box.h"
#include "tests/support/game_player.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

const int DPIS[] = {96, 120, 144, 168, 192};

TEST(DisplayScale, ConvertsBetweenDisplayPixelsAndLayoutUnits) {
    const struct {
        int dpi, pixels, units;
    } cases[] = {
        {96, 624, 624},  {120, 780, 624}, {144, 936, 624}, {168, 1092, 624}, {192, 1248, 624},
        {144, 637, 425}, {120, 421, 337}, {0, 624, 624},   {-5, 421, 421},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PixelsToLayoutUnits(c.pixels, c.dpi), c.units) << c.pixels << " at " << c.dpi;
    }
    const struct {
        int dpi, units, pixels;
    } back[] = {{96, 1, 1}, {120, 1, 1}, {144, 1, 2}, {168, 4, 7}, {192, 640, 1280}, {0, 7, 7}};
    for (const auto& c : back) {
        EXPECT_EQ(DisplayPixels(c.units, c.dpi), c.pixels) << c.units << " at " << c.dpi;
    }
}

struct Drawn {
    std::vector<FakeCall> texts;
    int baseWidth;
    int baseHeight;
};

// The first screen with a typed name, in a window of width by height pixels at 96
// dpi, shown at dpi: its first frame records the base, its second is drawn.
Drawn NameScreenAt(int dpi, int width, int height) {
    StartFreshGame();
    ResetFake();
    Fake.pixelsPerInchY = dpi;
    const int w = DisplayPixels(width, dpi);
    const int h = DisplayPixels(height, dpi);
    PlayFrame(w, h);
    Type("Ann");
    for (int frame = 0; frame < 3; ++frame) {
        PlayFrame(w, h);
    }
    return {DrawnTexts(PlayFrame(w, h)), BaseClientWidth, BaseClientHeight};
}

TEST(DisplayScale, EveryScreenPositionAndFontIsThe96DpiOneScaled) {
    for (const auto& size : {std::pair<int, int>{624, 421}, {1000, 700}}) {
        const Drawn at96 = NameScreenAt(96, size.first, size.second);
        ASSERT_EQ(at96.texts.size(), 7u); // three lines, each with its shadow, and the name
        for (int dpi : DPIS) {
            SCOPED_TRACE(testing::Message() << size.first << "x" << size.second << " at " << dpi);
            const Drawn scaled = NameScreenAt(dpi, size.first, size.second);
            // The base is the same window in layout units at every scale.
            EXPECT_EQ(scaled.baseWidth, size.first);
            EXPECT_EQ(scaled.baseHeight, size.second);
            ASSERT_EQ(scaled.texts.size(), at96.texts.size());
            const double factor = dpi / 96.0;
            // Truncation and rounding, each at most a pixel, on both sides.
            const double slack = 2.0 + factor;
            for (std::size_t i = 0; i < at96.texts.size(); ++i) {
                const FakeCall& one = at96.texts[i];
                const FakeCall& other = scaled.texts[i];
                EXPECT_EQ(other.text, one.text);
                const int coordinates[4][2] = {{one.rect.left, other.rect.left},
                                               {one.rect.top, other.rect.top},
                                               {one.rect.right, other.rect.right},
                                               {one.rect.bottom, other.rect.bottom}};
                for (const auto& c : coordinates) {
                    EXPECT_NEAR(c[1], c[0] * factor, slack) << one.text;
                }
                EXPECT_NEAR(other.fontHeight, one.fontHeight * factor, 1.0 + factor) << one.text;
            }
        }
    }
}

} // namespace
