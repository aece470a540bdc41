// The text box drawn into a real DIB section through GDI: the bevel and caret are
// written straight into the bitmap's bytes, the text goes through DrawTextA.
#include "app/game_state.h"
#include "render/text_box.h"
#include "tests/win32/dib_canvas.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

enum { BUFFER_WIDTH = 624, BUFFER_HEIGHT = 421, MARKER = 0x20 };

class TextBoxDibTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(canvas.Made());
        dc = canvas.dc;
        pixels = canvas.pixels;
        std::memset(pixels, MARKER, BUFFER_WIDTH * BUFFER_HEIGHT * 4);

        AppSettings.caretVisible = true;
        CaretTimerStarted = 0;
        ResetTextBox(box);
        box.baseWidth = 550;
        box.baseHeight = 33;
        box.baseFontSize = 20;
        box.transparent = 1;
        box.textColor = 0x00FFFF;
        box.caretColor = 0xFFFF00;
        LayoutTextBox(box, 1.0f, 1.0f, 0, 0, 30, 205);
    }

    void Draw() {
        GdiFlush();
        DrawTextBox(box, reinterpret_cast<DrawContext>(dc), pixels, BUFFER_WIDTH, BUFFER_HEIGHT);
        GdiFlush();
    }

    std::uint32_t At(int x, int y) const {
        const unsigned char* p = pixels + (y * BUFFER_WIDTH + x) * 4;
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16);
    }

    bool Touched(int x, int y) const { return At(x, y) != 0x202020u; }

    static bool OnBevel(int x, int y) {
        const bool columns = (x == 30 || x == 31 || x == 578 || x == 579) && y >= 205 && y <= 237;
        const bool rows = (y == 205 || y == 206 || y == 236 || y == 237) && x >= 30 && x <= 579;
        return columns || rows;
    }

    DibCanvas canvas{BUFFER_WIDTH, BUFFER_HEIGHT};
    HDC dc = nullptr;
    unsigned char* pixels = nullptr;
    TextBox box;
};

TEST_F(TextBoxDibTest, BevelAndCaretLieOnTheirExactPixels) {
    box.showCaret = 1;
    Draw();
    for (int y = 205; y <= 236; ++y) {
        ASSERT_EQ(At(30, y), box.shadowOuterColor) << y;
        ASSERT_EQ(At(579, y), box.lightOuterColor) << y;
    }
    for (int y = 206; y <= 235; ++y) {
        ASSERT_EQ(At(31, y), box.shadowInnerColor) << y;
        ASSERT_EQ(At(578, y), box.lightInnerColor) << y;
    }
    for (int x = 31; x <= 578; ++x) {
        ASSERT_EQ(At(x, 205), box.shadowOuterColor) << x;
        ASSERT_EQ(At(x, 236), box.lightInnerColor) << x;
    }
    for (int x = 32; x <= 577; ++x) {
        ASSERT_EQ(At(x, 206), box.shadowInnerColor) << x;
    }
    for (int x = 30; x <= 579; ++x) {
        ASSERT_EQ(At(x, 237), box.lightOuterColor) << x;
    }
    int others = 0;
    for (int y = 0; y < BUFFER_HEIGHT; ++y) {
        for (int x = 0; x < BUFFER_WIDTH; ++x) {
            const bool caret = x >= 37 && x <= 40 && y >= 209 && y <= 233;
            if (caret) {
                ASSERT_EQ(At(x, y), 0xFFFF00u) << x << "," << y;
            } else if (!OnBevel(x, y) && Touched(x, y)) {
                ++others;
            }
        }
    }
    EXPECT_EQ(others, 0);
}

TEST_F(TextBoxDibTest, TextIsCyanAndStaysInsideItsRectangle) {
    std::strcpy(box.text, "Hello & welcome, WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
    Draw();
    int inside = 0;
    int cyan = 0;
    for (int y = 0; y < BUFFER_HEIGHT; ++y) {
        for (int x = 0; x < BUFFER_WIDTH; ++x) {
            if (OnBevel(x, y) || !Touched(x, y)) {
                continue;
            }
            const bool inRect = x >= 36 && x < 580 && y >= 207 && y < 238;
            ASSERT_TRUE(inRect) << "text pixel outside its rectangle at " << x << "," << y;
            ++inside;
            // Red stays at the marker or below for every glyph pixel: cyan has no red.
            const std::uint32_t pixel = At(x, y);
            EXPECT_LE((pixel >> 16) & 0xFF, 0x20u) << x << "," << y;
            cyan += pixel == 0x00FFFFu ? 1 : 0;
        }
    }
    EXPECT_GT(inside, 100);
    EXPECT_GT(cyan, 0);
    // The long text is cut at the box: its right edge column stays bevel-coloured.
    EXPECT_EQ(At(579, 220), box.lightOuterColor);
}

TEST_F(TextBoxDibTest, LeavesNoFontSelectedOrAlive) {
    HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
    box.showCaret = 1;
    std::strcpy(box.text, "abc");
    Draw();
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), fontBefore);
}

} // namespace
