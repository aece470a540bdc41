#include "render/frame_composer.h"

#include "app/game_state.h"
#include "render/fps_overlay.h"
#include "results/results_screens.h"
#include "screens/question_screens.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

TEST(ScreenRoutineFor, GivesEachScreenItsRoutineAndNoneOutsideTheGame) {
    const ScreenRoutine expected[] = {
        nullptr, // -1
        RenderNameScreen,
        RenderIntroScreen,
        RenderNumberScreen,
        RenderNumberScreen,
        RenderOppositeNameScreen,
        RenderOppositeNameScreen,
        RenderFriendNameScreen,
        RenderFriendNameScreen,
        RenderFriendNameScreen,
        RenderTitleWishScreen,
        RenderTitleWishScreen,
        RenderTitleWishScreen,
        RenderTitleWishScreen,
        RenderTitleWishScreen,
        RenderThinkingScreen,
        RenderResultsScreen,
        nullptr, // 16
    };
    for (int index = -1; index <= 16; ++index) {
        EXPECT_EQ(ScreenRoutineFor(index), expected[index + 1]) << "screen " << index;
    }
    EXPECT_EQ(ScreenRoutineFor(-2147483647 - 1), nullptr);
    EXPECT_EQ(ScreenRoutineFor(1000), nullptr);
}

// What a screen routine saw when the composer called it.
struct RoutineCall {
    int left, top, right, bottom;
    unsigned char* pixels;
    int blueAtOrigin;
    int baseWidth, baseHeight;
    std::size_t platformCallsBefore;
};
std::vector<RoutineCall> routineCalls;

void RecordingRoutine(DrawContext, int left, int top, int right, int bottom,
                      unsigned char* pixels) {
    routineCalls.push_back(RoutineCall{left, top, right, bottom, pixels, pixels[0], BaseClientWidth,
                                       BaseClientHeight, Fake.calls.size()});
}

class Composer : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
        routineCalls.clear();
    }

    std::vector<unsigned char>& Buffer(int width, int height) {
        buffer.assign(static_cast<std::size_t>(width) * height * 4, 0);
        return buffer;
    }

    void Compose(int width, int height, ScreenRoutine routine = nullptr) {
        ComposeFrameWith(routine, FakeDrawContext(), width, height, Buffer(width, height).data());
    }

    std::vector<unsigned char> buffer;
};

TEST_F(Composer, RecordsTheBaseSizeOnTheFirstFrameOnly) {
    Compose(624, 421, RecordingRoutine);
    EXPECT_EQ(BaseClientWidth, 624);
    EXPECT_EQ(BaseClientHeight, 421);
    EXPECT_FALSE(AppSettings.recordBaseSize);
    Compose(1248, 842, RecordingRoutine);
    Compose(10, 10, RecordingRoutine);
    EXPECT_EQ(BaseClientWidth, 624);
    EXPECT_EQ(BaseClientHeight, 421);
    ASSERT_EQ(routineCalls.size(), 3u);
    // The first screen drawn already sees the base it lays out in.
    EXPECT_EQ(routineCalls[0].baseWidth, 624);
    EXPECT_EQ(routineCalls[0].baseHeight, 421);
}

TEST_F(Composer, AFixedBaseIsTheBaseWhateverTheFirstFrameMeasures) {
    Fake.pixelsPerInchY = 144;
    UseFixedBaseLayoutSize(624, 421);
    Compose(300, 200, RecordingRoutine);
    ASSERT_EQ(routineCalls.size(), 1u);
    EXPECT_EQ(routineCalls[0].baseWidth, 624);
    EXPECT_EQ(routineCalls[0].baseHeight, 421);
    EXPECT_FALSE(AppSettings.recordBaseSize);
}

TEST_F(Composer, MovesThePhaseBy5AndRunsThroughAll256Values) {
    std::set<int> seen;
    for (int frame = 1; frame <= 256; ++frame) {
        Compose(4, 2);
        EXPECT_EQ(FrameComposer.backgroundPhase, (5 * frame) % 256) << "frame " << frame;
        EXPECT_EQ(buffer[0], (5 * frame) % 256) << "frame " << frame; // blue of pixel (0, 0)
        seen.insert(FrameComposer.backgroundPhase);
    }
    EXPECT_EQ(seen.size(), 256u);
    Compose(4, 2);
    EXPECT_EQ(FrameComposer.backgroundPhase, 5);
}

TEST_F(Composer, AHeldBackgroundStaysStillAndMovesOnFromWhereItWasHeld) {
    Compose(64, 48);
    Compose(64, 48);
    HoldBackground(true);
    Compose(64, 48);
    const std::vector<unsigned char> held = buffer;
    EXPECT_EQ(FrameComposer.backgroundPhase, 10);
    for (int frame = 0; frame < 3; ++frame) {
        Compose(64, 48);
        EXPECT_EQ(buffer, held) << "frame " << frame;
    }
    HoldBackground(false);
    Compose(64, 48);
    EXPECT_EQ(FrameComposer.backgroundPhase, 15);
    EXPECT_NE(buffer, held);
}

TEST_F(Composer, CallsTheScreenWithTheClientRectangleAfterTheBackground) {
    ShowFpsOverlay = true;
    Compose(300, 200, RecordingRoutine);
    ASSERT_EQ(routineCalls.size(), 1u);
    const RoutineCall& call = routineCalls[0];
    EXPECT_EQ(call.left, 0);
    EXPECT_EQ(call.top, 0);
    EXPECT_EQ(call.right, 300);
    EXPECT_EQ(call.bottom, 200);
    EXPECT_EQ(call.pixels, buffer.data());
    EXPECT_EQ(call.blueAtOrigin, 5);         // the background was already there
    EXPECT_EQ(call.platformCallsBefore, 0u); // and the overlay not yet
    EXPECT_FALSE(CallsOf(FakeCallKind::DrawText).empty());
}

TEST_F(Composer, DrawsTheOverlayOnlyWhileItIsSwitchedOn) {
    Compose(300, 200);
    EXPECT_TRUE(Fake.calls.empty());
    EXPECT_EQ(FpsOverlay.framesDrawn, 0);
    ShowFpsOverlay = true;
    Compose(300, 200);
    EXPECT_EQ(CallsOf(FakeCallKind::DrawText).size(), 4u);
    EXPECT_EQ(FpsOverlay.framesDrawn, 1);
    ShowFpsOverlay = false;
    ResetFake();
    Compose(300, 200);
    EXPECT_TRUE(Fake.calls.empty());
    EXPECT_EQ(FpsOverlay.framesDrawn, 1);
}

TEST_F(Composer, AScreenOutsideTheGameShowsTheBackgroundAlone) {
    for (int index : {-1, 16}) {
        ScreenIndex = index;
        ComposeFrame(FakeDrawContext(), 8, 8, Buffer(8, 8).data());
        EXPECT_TRUE(Fake.calls.empty()) << "screen " << index;
    }
    EXPECT_EQ(buffer[(3 * 8 + 2) * 4], (FrameComposer.backgroundPhase + 2) & 0xFF);
}

TEST(HasDrawableArea, NeedsPixelsInBothDirections) {
    EXPECT_TRUE(HasDrawableArea(1, 1));
    EXPECT_TRUE(HasDrawableArea(624, 421));
    EXPECT_FALSE(HasDrawableArea(0, 421));
    EXPECT_FALSE(HasDrawableArea(624, 0));
    EXPECT_FALSE(HasDrawableArea(0, 0));
    EXPECT_FALSE(HasDrawableArea(-5, 10));
}

TEST(FrameReport, AUnionHoldsBothBoxesAndAnEmptyBoxAddsNothing) {
    const struct {
        PixelBox a, b, both;
    } cases[] = {
        {{10, 20, 30, 40}, {50, 5, 10, 10}, {10, 5, 50, 55}},
        {{50, 60, 10, 1}, {10, 20, 1, 10}, {10, 20, 50, 41}}, // a line one pixel high counts
        {{10, 20, 30, 40}, {0, 0, 0, 5}, {10, 20, 30, 40}},
        {{0, 0, 5, 0}, {1, 2, 3, 4}, {1, 2, 3, 4}},
    };
    for (const auto& c : cases) {
        EXPECT_TRUE(UnionOf(c.a, c.b) == c.both) << c.a.left << "," << c.a.top;
        EXPECT_TRUE(UnionOf(c.b, c.a) == c.both) << c.a.left << "," << c.a.top;
    }
}

TEST(FrameReport, KeepsItsTextsWithinItsBufferAndTerminated) {
    StartFrameReport(0);
    const std::string line(1000, 'x');
    for (int i = 0; i < 10; ++i) {
        ReportDrawnText(line.c_str(), static_cast<int>(line.size()), PixelBox());
    }
    ReportDrawnText("", 0, PixelBox());  // an empty text is not noted,
    ReportDrawnText("z", 1, PixelBox()); // nor one that finds the buffer full
    const FrameReport& report = CurrentFrameReport();
    EXPECT_EQ(report.textsLength, sizeof report.texts - 1);
    EXPECT_EQ(report.texts[report.textsLength], '\0');
    EXPECT_EQ(report.texts[1000], SCREEN_TEXT_SEPARATOR);

    // A new frame's report starts empty and terminated; one-letter texts are kept
    // apart, and an empty one between them leaves no mark.
    StartFrameReport(0);
    EXPECT_STREQ(CurrentFrameReport().texts, "");
    ReportDrawnText("a", 1, PixelBox());
    ReportDrawnText("", 0, PixelBox());
    ReportDrawnText("b", 1, PixelBox());
    EXPECT_STREQ(CurrentFrameReport().texts, "a\x1F"
                                             "b");

    // The answer is kept apart from the texts, cut to its buffer, and gone next frame.
    const std::string answer(2 * FRAME_ANSWER_SIZE, 'y');
    ReportAnswerBox(PixelBox{1, 2, 3, 4}, "Why?");
    ReportAnswer(answer.c_str(), static_cast<int>(answer.size()));
    EXPECT_EQ(CurrentFrameReport().answerLength, FRAME_ANSWER_SIZE - 1u);
    EXPECT_EQ(CurrentFrameReport().answer[FRAME_ANSWER_SIZE - 1], '\0');
    EXPECT_STREQ(CurrentFrameReport().texts, "a\x1F"
                                             "b");
    ReportAnswer("", 0); // the box emptied: no character of the answer before is left
    EXPECT_EQ(CurrentFrameReport().answerLength, 0u);
    EXPECT_STREQ(CurrentFrameReport().answer, "");
    StartFrameReport(0);
    EXPECT_EQ(CurrentFrameReport().question, nullptr);
    EXPECT_STREQ(CurrentFrameReport().answer, "");
}

} // namespace
