#include "render/text_box.h"

#include "app/game_state.h"
#include "tests/native/render/text_box_test_support.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

namespace {

class CaretBlinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
        box.showCaret = 1;
        box.caretColor = 0xFFFF00;
        box.transparent = 1;
        box.showBorder = 0;
        box.width = 60;
        box.height = 20;
        box.left = 0;
        box.top = 0;
    }

    // Draws the box at the given tick and tells whether its caret was shown.
    bool DrawAt(std::uint32_t tick, TextBox& which) {
        Fake.tick = tick;
        TestBuffer buffer(64, 24);
        DrawTextBox(which, FakeDrawContext(), buffer.pixels(), buffer.width, buffer.height);
        return buffer.At(which.left + 8, 10) == 0xFFFF00;
    }
    bool DrawAt(std::uint32_t tick) { return DrawAt(tick, box); }

    TextBox box;
};

TEST_F(CaretBlinkTest, PhaseChangesOnlyAfterMoreThanThePeriod) {
    EXPECT_TRUE(DrawAt(1000)); // the first call starts the clock
    EXPECT_EQ(CaretToggleTick, 1000u);
    EXPECT_TRUE(DrawAt(1500)); // exactly the period: no change yet
    EXPECT_FALSE(DrawAt(1501));
    EXPECT_EQ(CaretToggleTick, 1501u);
    EXPECT_FALSE(DrawAt(2001));
    EXPECT_TRUE(DrawAt(2002));
}

TEST_F(CaretBlinkTest, PhaseCarriesOverToAnotherBox) {
    TextBox other = box;
    other.left = 2;
    EXPECT_TRUE(DrawAt(0));
    EXPECT_FALSE(DrawAt(600));
    // The next screen's box continues the same rhythm.
    Fake.tick = 700;
    TestBuffer buffer(64, 24);
    DrawTextBox(other, FakeDrawContext(), buffer.pixels(), buffer.width, buffer.height);
    EXPECT_FALSE(buffer.Touched(other.left + 8, 10));
    EXPECT_TRUE(DrawAt(1101, other));
}

TEST_F(CaretBlinkTest, BoxWithoutCaretStartsTheClockButNeverAdvancesIt) {
    box.showCaret = 0;
    DrawAt(300);
    EXPECT_EQ(CaretTimerStarted, 1);
    EXPECT_EQ(CaretToggleTick, 300u);
    DrawAt(5000);
    EXPECT_EQ(CaretToggleTick, 300u);
    EXPECT_TRUE(AppSettings.caretVisible);
}

TEST_F(CaretBlinkTest, SurvivesTheTickCounterWrapping) {
    EXPECT_TRUE(DrawAt(0xFFFFFF00u));
    EXPECT_TRUE(DrawAt(0x00000010u));  // 272 ms later, across the wrap
    EXPECT_FALSE(DrawAt(0x00000100u)); // 512 ms later
}

} // namespace
