#include "render/text_box.h"

#include "app/game_state.h"
#include "tests/native/render/text_box_test_support.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/screen_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum : std::uint32_t { CARET = 0xFFFF00, FILL = 0x123456 };

class TextBoxDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
    }

    // Screen 0's box at the base size: 550 by 33 at (30, 205), 20 points.
    static TextBox ExampleBox() {
        TextBox box;
        box.baseWidth = 550;
        box.baseHeight = 33;
        box.baseFontSize = 20;
        box.transparent = 1;
        box.textColor = 0x00FFFF;
        box.caretColor = CARET;
        box.showCaret = 1;
        LayoutTextBox(box, 1.0f, 1.0f, 0, 0, 30, 205);
        return box;
    }

    static void Draw(const TextBox& box, TestBuffer& buffer) {
        DrawTextBox(box, FakeDrawContext(), buffer.pixels(), buffer.width, buffer.height);
    }
};

TEST_F(TextBoxDrawTest, ExampleBoxHasItsBevelOnTheExactPixels) {
    TestBuffer buffer(624, 421);
    const TextBox box = ExampleBox();
    Draw(box, buffer);

    struct Line {
        int x0, y0, x1, y1; // inclusive
        std::uint32_t color;
    };
    const Line lines[] = {
        {30, 205, 30, 236, box.shadowOuterColor},  {31, 206, 31, 235, box.shadowInnerColor},
        {31, 205, 578, 205, box.shadowOuterColor}, {32, 206, 577, 206, box.shadowInnerColor},
        {579, 205, 579, 236, box.lightOuterColor}, {578, 206, 578, 235, box.lightInnerColor},
        {30, 237, 579, 237, box.lightOuterColor},  {31, 236, 578, 236, box.lightInnerColor},
    };
    int ring = 0;
    for (const Line& line : lines) {
        for (int y = line.y0; y <= line.y1; ++y) {
            for (int x = line.x0; x <= line.x1; ++x) {
                ASSERT_EQ(buffer.At(x, y), line.color) << "pixel " << x << "," << y;
                ++ring;
            }
        }
    }
    // The visible caret of an empty text: columns 37 to 40, rows 209 to 233.
    for (int y = 209; y <= 233; ++y) {
        for (int x = 37; x <= 40; ++x) {
            ASSERT_EQ(buffer.At(x, y), CARET) << "caret " << x << "," << y;
        }
    }
    EXPECT_FALSE(buffer.Touched(37, 208));
    EXPECT_FALSE(buffer.Touched(37, 234));
    EXPECT_FALSE(buffer.Touched(36, 220));
    EXPECT_FALSE(buffer.Touched(41, 220));
    // Nothing else: a transparent box leaves the background inside the bevel.
    EXPECT_EQ(buffer.TouchedCount(), ring + 4 * 25);
    EXPECT_TRUE(buffer.OnlyColourBytesWritten());
}

TEST_F(TextBoxDrawTest, CornersTakeTheLightTonesExceptTheTopLeft) {
    TestBuffer buffer(624, 421);
    const TextBox box = ExampleBox();
    Draw(box, buffer);
    EXPECT_EQ(buffer.At(30, 205), box.shadowOuterColor);
    EXPECT_EQ(buffer.At(31, 206), box.shadowInnerColor);
    EXPECT_EQ(buffer.At(579, 205), box.lightOuterColor);
    EXPECT_EQ(buffer.At(578, 206), box.lightInnerColor);
    EXPECT_EQ(buffer.At(579, 237), box.lightOuterColor);
    EXPECT_EQ(buffer.At(578, 236), box.lightInnerColor);
    EXPECT_EQ(buffer.At(30, 237), box.lightOuterColor);
    EXPECT_EQ(buffer.At(31, 236), box.lightInnerColor);
}

TEST_F(TextBoxDrawTest, TextIsDrawnLiterallyInTheBoxFontAndColour) {
    TestBuffer buffer(624, 421);
    TextBox box = ExampleBox();
    std::snprintf(box.text, sizeof box.text, "%s", "Tom & Jerry");
    Draw(box, buffer);

    const std::vector<FakeCall> texts = CallsOf(FakeCallKind::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Tom & Jerry");
    EXPECT_EQ(texts[0].rect.left, 36);
    EXPECT_EQ(texts[0].rect.top, 207);
    EXPECT_EQ(texts[0].rect.right, 580);
    EXPECT_EQ(texts[0].rect.bottom, 238);
    EXPECT_EQ(texts[0].flags, static_cast<unsigned>(TEXT_NOPREFIX));
    EXPECT_EQ(texts[0].textColor, 0xFFFF00u); // cyan 0x00FFFF as a COLORREF
    EXPECT_EQ(texts[0].backgroundMode, BACKGROUND_TRANSPARENT);
    EXPECT_EQ(texts[0].fontHeight, -27);
    EXPECT_EQ(texts[0].fontWeight, FONT_WEIGHT_DONTCARE);
    EXPECT_EQ(texts[0].fontFace, "Times New Roman");

    // The caret follows the measured literal width, "&" included: 11 characters.
    const std::vector<FakeCall> measured = CallsOf(FakeCallKind::MeasureText);
    ASSERT_EQ(measured.size(), 1u);
    EXPECT_EQ(measured[0].text, "Tom & Jerry");
    EXPECT_EQ(measured[0].fontHeight, -27);
    const int caretLeft = 30 + 11 * Fake.characterWidth + 7;
    EXPECT_EQ(buffer.At(caretLeft, 220), CARET);
    EXPECT_EQ(buffer.At(caretLeft + 3, 220), CARET);
    EXPECT_FALSE(buffer.Touched(caretLeft - 1, 220));
    EXPECT_FALSE(buffer.Touched(caretLeft + 4, 220));

    // The box font lives only within the call and is never deleted while selected.
    ExpectFontsReleased();
}

TEST_F(TextBoxDrawTest, FillsOnlyWhenNotTransparent) {
    for (unsigned char transparent : {0, 1}) {
        TestBuffer buffer(624, 421);
        TextBox box = ExampleBox();
        box.transparent = transparent;
        box.fillColor = FILL;
        box.showCaret = 0;
        Draw(box, buffer);
        const bool filled = buffer.At(300, 220) == FILL && buffer.At(32, 207) == FILL &&
                            buffer.At(577, 235) == FILL;
        EXPECT_EQ(filled, transparent == 0) << "transparent " << int(transparent);
        EXPECT_FALSE(buffer.Touched(29, 220));
        EXPECT_FALSE(buffer.Touched(580, 220));
        EXPECT_FALSE(buffer.Touched(300, 238));
    }
}

TEST_F(TextBoxDrawTest, WithoutBorderAndCaretOnlyTheFillIsWritten) {
    TestBuffer buffer(624, 421);
    TextBox box = ExampleBox();
    box.showBorder = 0;
    box.showCaret = 0;
    Draw(box, buffer);
    EXPECT_EQ(buffer.TouchedCount(), 0);

    box.transparent = 0;
    box.fillColor = FILL;
    Draw(box, buffer);
    EXPECT_EQ(buffer.TouchedCount(), 550 * 33);
    EXPECT_EQ(buffer.At(30, 205), FILL);
    EXPECT_EQ(buffer.At(579, 237), FILL);
}

// The bevel and caret written from the lines as the box defines them, for boxes
// too small to hold them whole.
std::vector<std::uint32_t> ReferenceBox(const TextBox& box, int bufferWidth, int bufferHeight) {
    std::vector<std::uint32_t> image(static_cast<std::size_t>(bufferWidth * bufferHeight),
                                     0xFFFFFFFFu);
    const auto put = [&](int x, int y, std::uint32_t color) {
        image[static_cast<std::size_t>(y * bufferWidth + x)] = color;
    };
    const int l = box.left, t = box.top, w = box.width, h = box.height;
    for (int i = 0; i < h - 1; ++i)
        put(l, t + i, box.shadowOuterColor);
    for (int i = 0; i < h - 3; ++i)
        put(l + 1, t + 1 + i, box.shadowInnerColor);
    for (int i = 0; i < w - 2; ++i)
        put(l + 1 + i, t, box.shadowOuterColor);
    for (int i = 0; i < w - 4; ++i)
        put(l + 2 + i, t + 1, box.shadowInnerColor);
    for (int i = 0; i < h - 1; ++i)
        put(l + w - 1, t + i, box.lightOuterColor);
    for (int i = 0; i < h - 3; ++i)
        put(l + w - 2, t + 1 + i, box.lightInnerColor);
    for (int i = 0; i < w; ++i)
        put(l + i, t + h - 1, box.lightOuterColor);
    for (int i = 0; i < w - 2; ++i)
        put(l + 1 + i, t + h - 2, box.lightInnerColor);
    for (int y = t + 4; y <= t + h - 5; ++y) {
        for (int x = l + 7; x <= l + 10; ++x)
            put(x, y, box.caretColor);
    }
    return image;
}

TEST_F(TextBoxDrawTest, TinyBoxesDrawOnlyTheLinesThatFit) {
    for (int w = 0; w <= 6; ++w) {
        for (int h = 0; h <= 10; ++h) {
            TestBuffer buffer(24, 24);
            TextBox box = ExampleBox();
            box.left = 4;
            box.top = 3;
            box.width = w;
            box.height = h;
            Draw(box, buffer);
            const std::vector<std::uint32_t> expected = ReferenceBox(box, 24, 24);
            for (int y = 0; y < 24; ++y) {
                for (int x = 0; x < 24; ++x) {
                    const std::uint32_t want = expected[static_cast<std::size_t>(y * 24 + x)];
                    if (want == 0xFFFFFFFFu) {
                        ASSERT_FALSE(buffer.Touched(x, y))
                            << w << "x" << h << " at " << x << "," << y;
                    } else {
                        ASSERT_EQ(buffer.At(x, y), want)
                            << w << "x" << h << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}

TEST_F(TextBoxDrawTest, SmallBoxesLoseCaretAndInnerLines) {
    struct Case {
        int width, height;
        bool caret, innerSides, innerTop;
    };
    // At height 3 the inner bottom line lies on the inner top line's row and covers it.
    const Case cases[] = {
        {40, 9, true, true, true},    {40, 8, false, true, true}, {40, 4, false, true, true},
        {40, 3, false, false, false}, {5, 20, true, true, true},  {4, 20, true, true, false},
    };
    for (const Case& c : cases) {
        TestBuffer buffer(64, 48);
        TextBox box = ExampleBox();
        box.left = 2;
        box.top = 2;
        box.width = c.width;
        box.height = c.height;
        Draw(box, buffer);
        bool caret = false, innerSides = false, innerTop = false;
        for (int y = 0; y < 48; ++y) {
            for (int x = 0; x < 64; ++x) {
                const std::uint32_t pixel = buffer.At(x, y);
                caret = caret || (buffer.Touched(x, y) && pixel == CARET);
                innerSides = innerSides || (x == 3 && pixel == box.shadowInnerColor);
                innerTop = innerTop || (y == 3 && x > 3 && pixel == box.shadowInnerColor);
            }
        }
        EXPECT_EQ(caret, c.caret) << c.width << "x" << c.height;
        EXPECT_EQ(innerSides, c.innerSides) << c.width << "x" << c.height;
        EXPECT_EQ(innerTop, c.innerTop) << c.width << "x" << c.height;
    }
}

TEST_F(TextBoxDrawTest, CaretPastTheBufferEdgeIsCutThere) {
    // A text wider than the box: the caret follows it past the box and is cut at
    // the buffer's right edge (the guard area behind the buffer stays untouched,
    // and AddressSanitizer sees every write).
    struct Case {
        int characters;
        int caretColumnsInside;
    };
    const Case cases[] = {{8, 4}, {9, 3}, {10, 0}, {60, 0}};
    for (const Case& c : cases) {
        TestBuffer buffer(100, 50);
        TextBox box = ExampleBox();
        box.left = 0;
        box.top = 10;
        box.width = 90;
        box.height = 33;
        std::snprintf(box.text, sizeof box.text, "%s",
                      std::string(static_cast<std::size_t>(c.characters), 'W').c_str());
        Draw(box, buffer);
        int columns = 0;
        for (int x = 0; x < 100; ++x) {
            columns += buffer.At(x, 20) == CARET ? 1 : 0;
        }
        EXPECT_EQ(columns, c.caretColumnsInside) << c.characters << " characters";
        EXPECT_TRUE(buffer.OnlyColourBytesWritten());
    }
}

TEST_F(TextBoxDrawTest, BoxReachingPastAnyEdgeWritesOnlyInsideTheBuffer) {
    struct Case {
        int left, top, width, height;
    };
    const Case cases[] = {{-20, 5, 60, 33},
                          {5, -20, 60, 33},
                          {30, 30, 60, 33},
                          {-5, -5, 200, 200},
                          {500, 500, 50, 33}};
    for (const Case& c : cases) {
        TestBuffer buffer(64, 48);
        TextBox box = ExampleBox();
        box.transparent = 0;
        box.fillColor = FILL;
        box.left = c.left;
        box.top = c.top;
        box.width = c.width;
        box.height = c.height;
        Draw(box, buffer);
        EXPECT_TRUE(buffer.OnlyColourBytesWritten()) << c.left << "," << c.top;
    }
}

TEST_F(TextBoxDrawTest, BevelAndCaretGrowWithTheDisplaysScaling) {
    const struct {
        int dpi;
        int line;       // each bevel line's thickness
        int caretLeft;  // 7 pixels at 96 dpi past the box's left
        int caretWidth; // 4 at 96 dpi
    } cases[] = {{96, 1, 37, 4}, {120, 1, 39, 5}, {144, 2, 41, 6}, {192, 2, 44, 8}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.dpi << " dpi");
        ResetFake();
        Fake.pixelsPerInchY = c.dpi;
        TestBuffer buffer(624, 421);
        const TextBox box = ExampleBox(); // at (30, 205), 550 by 33
        Draw(box, buffer);
        const int middle = 220;
        for (int x = 30; x < 30 + c.line; ++x) {
            EXPECT_EQ(buffer.At(x, middle), box.shadowOuterColor) << x;
            EXPECT_EQ(buffer.At(x + c.line, middle), box.shadowInnerColor) << x;
            EXPECT_EQ(buffer.At(579 - (x - 30), middle), box.lightOuterColor) << x;
        }
        EXPECT_FALSE(buffer.Touched(30 + 2 * c.line, middle));
        EXPECT_FALSE(buffer.Touched(c.caretLeft - 1, middle));
        EXPECT_EQ(buffer.At(c.caretLeft, middle), CARET);
        EXPECT_EQ(buffer.At(c.caretLeft + c.caretWidth - 1, middle), CARET);
        EXPECT_FALSE(buffer.Touched(c.caretLeft + c.caretWidth, middle));
    }
}

TEST_F(TextBoxDrawTest, NoPixelBufferMeansNoPixelWrites) {
    const TextBox box = ExampleBox();
    EXPECT_EQ(DrawTextBox(box, FakeDrawContext(), nullptr, 624, 421), 0);
    EXPECT_EQ(CallsOf(FakeCallKind::DrawText).size(), 1u);
    // A buffer of no width or no height has no pixel, not even in its first column
    // or row.
    TextBox filled = box;
    filled.transparent = 0;
    filled.fillColor = FILL;
    LayoutTextBox(filled, 1.0f, 1.0f, 0, 0, 0, 0);
    const int sizes[][2] = {{0, 8}, {-3, 8}, {8, 0}, {8, -3}};
    for (const auto& size : sizes) {
        std::vector<std::uint32_t> memory(64, 0xABABABAB);
        DrawTextBox(filled, FakeDrawContext(), reinterpret_cast<unsigned char*>(memory.data()),
                    size[0], size[1]);
        EXPECT_EQ(memory, std::vector<std::uint32_t>(64, 0xABABABAB)) << size[0] << "x" << size[1];
    }
}

TEST_F(TextBoxDrawTest, FontFollowsTheLaidOutSize) {
    struct Case {
        float scaleY;
        int dpi;
        int expectedHeight;
    };
    // 20 points scaled, then -MulDiv(points, 96, 72) rounded: the display's own dpi
    // reaches the font through the layout scale alone.
    const Case cases[] = {
        {1.0f, 96, -27}, {2.0f, 96, -53}, {0.5f, 96, -13}, {1.0f, 120, -27}, {1.5f, 144, -40}};
    for (const Case& c : cases) {
        ResetFake();
        Fake.pixelsPerInchY = c.dpi;
        TestBuffer buffer(32, 32);
        TextBox box = ExampleBox();
        LayoutTextBox(box, 1.0f, c.scaleY, 0, 0, 0, 0);
        Draw(box, buffer);
        const std::vector<FakeCall> fonts = CallsOf(FakeCallKind::CreateFont);
        ASSERT_EQ(fonts.size(), 1u);
        EXPECT_EQ(fonts[0].fontHeight, c.expectedHeight) << c.scaleY << " at " << c.dpi;
    }
}

} // namespace
