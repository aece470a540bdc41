#include "render/fps_overlay.h"

#include "app/game_state.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/screen_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class Overlay : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
    }

    // Draws one overlay frame at the given calendar second and returns the rate shown.
    std::string FrameAt(std::int64_t second) {
        Fake.calendarSecond = second;
        Fake.calls.clear();
        DrawFpsOverlay(FakeDrawContext());
        const std::vector<FakeCall> texts = CallsOf(FakeCallKind::DrawText);
        return texts.size() == 4 ? texts[3].text : "no overlay";
    }
};

TEST_F(Overlay, DrawsBothLinesWithTheirShadowsFirstInFixedRectangles) {
    DrawFpsOverlay(FakeDrawContext());
    const std::vector<FakeCall> texts = CallsOf(FakeCallKind::DrawText);
    struct Expected {
        const char* text;
        TextRect rect;
        std::uint32_t color;
    } expected[] = {
        {"Frames drawn: 1", {4, 2, 250, 20}, 0x640000},
        {"Frames drawn: 1", {2, 0, 250, 20}, 0xFFFFFF},
        {"Current FPS: 0", {4, 22, 210, 40}, 0x640000},
        {"Current FPS: 0", {2, 20, 210, 40}, 0xFFFFFF},
    };
    ASSERT_EQ(texts.size(), 4u);
    for (int i = 0; i < 4; ++i) {
        const FakeCall& call = texts[static_cast<std::size_t>(i)];
        EXPECT_EQ(call.text, expected[i].text) << i;
        EXPECT_EQ(call.rect.left, expected[i].rect.left) << i;
        EXPECT_EQ(call.rect.top, expected[i].rect.top) << i;
        EXPECT_EQ(call.rect.right, expected[i].rect.right) << i;
        EXPECT_EQ(call.rect.bottom, expected[i].rect.bottom) << i;
        EXPECT_EQ(call.textColor, expected[i].color) << i;
        EXPECT_EQ(call.flags, static_cast<unsigned>(TEXT_WORDBREAK)) << i;
        EXPECT_EQ(call.backgroundMode, BACKGROUND_TRANSPARENT) << i;
        EXPECT_EQ(call.backgroundColor, 0u) << i;
        EXPECT_EQ(call.fontHeight, -19) << i;
        EXPECT_EQ(call.fontWeight, 700) << i;
        EXPECT_EQ(call.fontFace, "Times New Roman") << i;
    }
}

TEST_F(Overlay, FontFollowsTheResolutionButNotTheLayoutScale) {
    struct Case {
        int dpi;
        int height;
    } cases[] = {{96, -19}, {120, -23}, {144, -28}, {72, -14}};
    // A window twice its first size: the screens' fonts grow, the overlay's does not.
    BaseClientWidth = 312;
    BaseClientHeight = 210;
    for (const Case& c : cases) {
        ResetFake();
        Fake.pixelsPerInchY = c.dpi;
        std::vector<unsigned char> pixels(624 * 420 * 4);
        ShowFpsOverlay = true;
        ComposeFrameWith(nullptr, FakeDrawContext(), 624, 420, pixels.data());
        const std::vector<FakeCall> made = CallsOf(FakeCallKind::CreateFont);
        ASSERT_EQ(made.size(), 1u);
        EXPECT_EQ(made[0].fontHeight, c.height) << c.dpi << " dpi";
        EXPECT_EQ(made[0].fontWeight, 700);
        EXPECT_EQ(made[0].fontFace, "Times New Roman");
    }
}

TEST_F(Overlay, DeletesItsFontOnlyAfterSelectingTheOldOneBack) {
    for (int frame = 0; frame < 3; ++frame) {
        FrameAt(100 + frame);
    }
    EXPECT_EQ(Fake.fonts.size(), 3u);
    ExpectFontsReleased();
}

TEST_F(Overlay, CountsEachSecondIncludingTheFrameThatEndsIt) {
    struct Step {
        std::int64_t second;
        const char* shown;
    } steps[] = {
        {100, "Current FPS: 0"}, // the first second shows 0
        {100, "Current FPS: 0"}, {100, "Current FPS: 0"},
        {101, "Current FPS: 4"}, // three frames in 100 and the one that noticed 101
        {101, "Current FPS: 4"}, {101, "Current FPS: 4"},
        {102, "Current FPS: 3"}, {103, "Current FPS: 1"},
        {105, "Current FPS: 0"}, // a gap of two seconds: the count is stale
        {105, "Current FPS: 0"}, {106, "Current FPS: 2"},
    };
    int frame = 0;
    for (const Step& step : steps) {
        EXPECT_EQ(FrameAt(step.second), step.shown) << "frame " << frame << " at " << step.second;
        ++frame;
        EXPECT_EQ(FpsOverlay.framesDrawn, frame);
    }
    EXPECT_EQ(CallsOf(FakeCallKind::DrawText)[1].text, "Frames drawn: 11");
}

TEST_F(Overlay, CountsOnlyFramesDrawnWithItAndRestartsAfterAPause) {
    std::vector<unsigned char> pixels(16 * 16 * 4);
    auto frameAt = [&](std::int64_t second) {
        Fake.calendarSecond = second;
        Fake.calls.clear();
        ComposeFrameWith(nullptr, FakeDrawContext(), 16, 16, pixels.data());
        const std::vector<FakeCall> texts = CallsOf(FakeCallKind::DrawText);
        return texts.empty() ? std::string("off") : texts[3].text;
    };
    ShowFpsOverlay = true;
    frameAt(50);
    frameAt(50);
    EXPECT_EQ(frameAt(51), "Current FPS: 3");
    ShowFpsOverlay = false;
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(frameAt(51 + i / 5), "off");
    }
    EXPECT_EQ(FpsOverlay.framesDrawn, 3);
    ShowFpsOverlay = true; // back on four seconds later
    EXPECT_EQ(frameAt(55), "Current FPS: 0");
    EXPECT_EQ(frameAt(55), "Current FPS: 0");
    // The stale frame that noticed the pause was dropped; the next second counts
    // the other frame of 55 and the one that noticed 56.
    EXPECT_EQ(frameAt(56), "Current FPS: 2");
    EXPECT_EQ(frameAt(57), "Current FPS: 1");
    EXPECT_EQ(FpsOverlay.framesDrawn, 7);
}

} // namespace
