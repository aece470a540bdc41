#include "app/game_state.h"
#include "results/results_screens.h"
#include "results/thinking_screen.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/screen_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

const char THINKING[] = "...I AM THINKING...";
const char PATIENT[] = "... BE PATIENT :) ...";

class ThinkingScreen : public ScreenFixture {
  protected:
    ThinkingScreen() : ScreenFixture(RenderThinkingScreen, Thinking) {}

    // The band tops (in pixels) of the cyan message over the given number of frames.
    std::vector<int> BandTops(int frames, int width, int height) {
        std::vector<int> tops;
        for (int i = 0; i < frames; ++i) {
            tops.push_back(Frame(width, height).at(1).rect.top);
        }
        return tops;
    }
};

// 80, 90, ... 390 down the window, 380, ... 0 back up, then 10, 20, ... again.
std::vector<int> BaseBandTops(int frames) {
    std::vector<int> tops;
    int y = 80;
    int step = 10;
    for (int i = 0; i < frames; ++i) {
        tops.push_back(y);
        if (y == 390 || y == 0) {
            step = -step;
        }
        y += step;
    }
    return tops;
}

TEST_F(ThinkingScreen, BouncesBetweenTheLimitsAtTheBaseSize) {
    const int frames = 32 + 39 + 20; // down to 390, up to 0, and down again
    const std::vector<int> expected = BaseBandTops(frames);
    ASSERT_EQ(expected[31], 390);
    ASSERT_EQ(expected[32], 380);
    ASSERT_EQ(expected[70], 0);
    ASSERT_EQ(expected[71], 10);
    EXPECT_EQ(BandTops(frames, 640, 480), expected);
}

TEST_F(ThinkingScreen, BouncesWithinTheSameShareOfAHalfSizeWindow) {
    const int frames = 90;
    std::vector<int> expected;
    for (int top : BaseBandTops(frames)) {
        expected.push_back(top / 2); // trunc(y * 0.5)
    }
    EXPECT_EQ(BandTops(frames, 320, 240), expected);
}

TEST_F(ThinkingScreen, TurnsBackWhereTheScaledLimitsLie) {
    // At 105 % the top limit lies at 10.5 pixels: the band turns at a top of 10,
    // where at the base size it goes on to 0. The bottom one, 451.5, turns it
    // with its top at 409 (its bottom at 461).
    const std::vector<int> tops = BandTops(80, 672, 504);
    EXPECT_EQ(*std::min_element(tops.begin(), tops.end()), 10);
    EXPECT_EQ(*std::max_element(tops.begin(), tops.end()), 409);
}

TEST_F(ThinkingScreen, DrawsAShadowedCentredMessageInItsBand) {
    struct Case {
        int width, height;
        TextRect shadow, text;
        int fontHeight;
    };
    // Font: 23 points at 96 dpi is MulDiv(23, 96, 72) = 31 pixels, times the scale
    // and truncated toward zero (-15.5 becomes -15).
    const Case cases[] = {
        {640, 480, {5, 83, 640, 130}, {0, 80, 640, 130}, -31},
        {320, 240, {2, 41, 320, 65}, {0, 40, 320, 65}, -15},
    };
    for (const Case& c : cases) {
        SetUp();
        const std::vector<FakeCall> texts = Frame(c.width, c.height);
        ASSERT_EQ(texts.size(), 2u);
        const FakeCall& shadow = texts[0];
        const FakeCall& text = texts[1];
        EXPECT_EQ(shadow.text, THINKING);
        EXPECT_EQ(text.text, THINKING);
        EXPECT_EQ(shadow.textColor, 0x640000u);
        EXPECT_EQ(text.textColor, 0xFFFF00u);
        for (const FakeCall* call : {&shadow, &text}) {
            EXPECT_EQ(call->flags, unsigned(TEXT_CENTER | TEXT_WORDBREAK));
            EXPECT_EQ(call->backgroundMode, BACKGROUND_TRANSPARENT);
            EXPECT_EQ(call->backgroundColor, 0u);
            EXPECT_EQ(call->fontHeight, c.fontHeight);
            EXPECT_EQ(call->fontWeight, 700);
            EXPECT_EQ(call->fontFace, "Times New Roman");
        }
        EXPECT_EQ(shadow.rect.left, c.shadow.left);
        EXPECT_EQ(shadow.rect.top, c.shadow.top);
        EXPECT_EQ(shadow.rect.right, c.shadow.right);
        EXPECT_EQ(shadow.rect.bottom, c.shadow.bottom);
        EXPECT_EQ(text.rect.left, c.text.left);
        EXPECT_EQ(text.rect.top, c.text.top);
        EXPECT_EQ(text.rect.right, c.text.right);
        EXPECT_EQ(text.rect.bottom, c.text.bottom);
        ExpectFontsReleased();
    }
}

TEST_F(ThinkingScreen, ChangesTextAndAdvancesByTheClockAlone) {
    struct Case {
        std::uint32_t elapsed;
        const char* text;
        int screenAfter;
    };
    const Case cases[] = {
        {0, THINKING, Thinking},       {2999, THINKING, Thinking}, {3000, PATIENT, Thinking},
        {5999, PATIENT, Thinking},     {6000, PATIENT, Thinking},  {6001, PATIENT, ShowResults},
        {60000, PATIENT, ShowResults}, // a stalled frame loop
    };
    // The last start lies just before the tick count wraps around.
    const std::uint32_t starts[] = {0u, 123456u, 0xFFFFFFFFu - 2000u};
    for (std::uint32_t start : starts) {
        for (const Case& c : cases) {
            SCOPED_TRACE(testing::Message() << "start " << start << ", elapsed " << c.elapsed);
            SetUp();
            Fake.tick = start;
            Frame(); // starts the clock
            Fake.tick = start + c.elapsed;
            const std::vector<FakeCall> texts = Frame();
            ASSERT_EQ(texts.size(), 2u);
            EXPECT_EQ(texts[1].text, c.text);
            EXPECT_EQ(ScreenIndex, c.screenAfter);
        }
    }
}

TEST_F(ThinkingScreen, TimesFromItsFirstFrameOnly) {
    Fake.tick = 1000;
    Frame();
    for (int i = 0; i < 50; ++i) {
        Frame(); // later frames do not restart the clock
    }
    EXPECT_EQ(ThinkingStartTick, 1000u);
    Fake.tick = 7001;
    Frame();
    EXPECT_EQ(ScreenIndex, ShowResults);
}

TEST_F(ThinkingScreen, ThrowsTypedCharactersAwayOnePerFrame) {
    std::strcpy(KeyBuffer, "a\b\r");
    Frame();
    EXPECT_STREQ(KeyBuffer, "\b\r");
    Frame();
    Frame();
    EXPECT_STREQ(KeyBuffer, "");
    Frame(); // nothing left to take
    EXPECT_STREQ(KeyBuffer, "");
    EXPECT_EQ(ScreenIndex, Thinking);
    EXPECT_STREQ(Answers.userName, "");
    EXPECT_STREQ(Answers.wish, "");
}

} // namespace
