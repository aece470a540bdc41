#include "render/draw_conventions.h"

#include "app/game_state.h"
#include "render/frame_report.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/mul_div_cases.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndReportsOverflowAsMinusOne) {
    for (const MulDivCase& c : MUL_DIV_CASES) {
        EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
    }
}

TEST(LayoutScale, IsTheRectanglesSizeOverTheBaseSizeWhereverItStands) {
    StartFreshGame();
    BaseClientWidth = 624;
    BaseClientHeight = 421;
    const struct {
        int left, top, right, bottom;
        float x, y;
    } cases[] = {
        {0, 0, 624, 421, 1.0f, 1.0f},
        {10, 20, 634, 441, 1.0f, 1.0f},
        {0, 0, 1248, 842, 2.0f, 2.0f},
        {100, 50, 412, 260, 0.5f, 210.0f / 421.0f},
    };
    for (const auto& c : cases) {
        const LayoutScale scale = ComputeLayoutScale(c.left, c.top, c.right, c.bottom);
        EXPECT_FLOAT_EQ(scale.x, c.x) << c.left << "," << c.top;
        EXPECT_FLOAT_EQ(scale.y, c.y) << c.left << "," << c.top;
    }
}

TEST(ScreenFontHeight, IsThePointSizeInPixelsAt96DpiTimesTheLayoutScale) {
    const struct {
        int points;
        float scaleY;
        int height; // negative: a character height, as CreateFontA takes it
    } cases[] = {{72, 1.0f, -96}, {23, 1.0f, -31}, {12, 1.5f, -24}, {20, 0.5f, -13}};
    for (const auto& c : cases) {
        EXPECT_EQ(ScreenFontHeight(c.points, c.scaleY), c.height) << c.points << " " << c.scaleY;
    }
}

TEST(DrawnTextBounds, AreTheMeasuredTextWhileMeasuringAndTheRectangleOtherwise) {
    StartFreshGame();
    ResetFake();
    const TextRect rect = {10, 20, 410, 320};
    for (const bool measured : {true, false}) {
        MeasureDrawnTexts(measured);
        const PixelBox box = DrawnTextBounds(FakeDrawContext(), "Hi", 2, rect, 0);
        EXPECT_EQ(box.width, measured ? 2 * Fake.characterWidth : 400) << measured;
    }
    MeasureDrawnTexts(false);
}

TEST(ReportTextLines, NotesEachLineThatIsNotBlankAndReadsNothingPastTheLength) {
    StartFreshGame();
    ResetFake();
    MeasureDrawnTexts(true);
    StartFrameReport(ShowResults);
    // Exactly as long as the length, without a terminator: a look past the last line
    // would read outside the allocation, which AddressSanitizer reports.
    const std::string text = "one\n  \nI\n\ntwo three";
    const std::vector<char> exact(text.begin(), text.end());
    ReportTextLines(FakeDrawContext(), exact.data(), static_cast<int>(exact.size()),
                    TextRect{0, 0, 400, 300}, 0);
    MeasureDrawnTexts(false);
    const FrameReport& report = CurrentFrameReport();
    ASSERT_EQ(report.itemCount, 3);
    const std::string lines[] = {"one", "I", "two three"};
    for (int i = 0; i < 3; ++i) {
        const FrameText& line = report.items[i];
        EXPECT_EQ(std::string(report.texts + line.offset, line.length), lines[i]);
        EXPECT_TRUE(line.listLine);
        EXPECT_EQ(line.bounds.width, Fake.characterWidth * line.length) << lines[i]; // alone
    }
}

} // namespace
