#include "app/game_state.h"
#include "results/results_screens.h"
#include "results/results_text.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/screen_fixture.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class ResultsScreen : public ScreenFixture {
  protected:
    ResultsScreen() : ScreenFixture(RenderResultsScreen, ShowResults) {}

    void SetUp() override {
        ScreenFixture::SetUp();
        std::strcpy(Answers.userName, "Robin");
        std::strcpy(Answers.wish, "Tom & Jerry");
        // Saves are not written to disk here; the results file tests do that.
        Fake.fileResultScripted = true;
        Fake.scriptedFileResult = FILE_WRITTEN;
    }
};

std::string ExpectedScreenText() {
    char results[RESULTS_TEXT_SIZE];
    ComposeResultsText(Answers, results, sizeof results);
    return std::string(results) +
           "\nPress 'F1' to save your results. Press 'Escape' to quit.\nLink: " +
           AppSettings.downloadLink;
}

TEST_F(ResultsScreen, DrawsTheResultsOnceOpaqueInCyan) {
    struct Case {
        int width, height, dpi;
        TextRect rect;
        int fontHeight;
    };
    // 12 points are 16 pixels at the layout's 96 dpi, whatever the display's; then
    // scaled with the window.
    const Case cases[] = {
        {640, 480, 96, {0, 30, 640, 480}, -16},
        {320, 240, 96, {0, 15, 320, 240}, -8},
        {1280, 720, 120, {0, 45, 1280, 720}, -24},
    };
    for (const Case& c : cases) {
        SetUp();
        Fake.pixelsPerInchY = c.dpi;
        const std::vector<FakeCall> texts = Frame(c.width, c.height);
        ASSERT_EQ(texts.size(), 1u); // no shadow on this screen
        const FakeCall& text = texts[0];
        EXPECT_EQ(text.text, ExpectedScreenText());
        EXPECT_EQ(text.textColor, 0xFFFF00u);
        EXPECT_EQ(text.backgroundColor, 0u);
        EXPECT_EQ(text.backgroundMode, BACKGROUND_OPAQUE);
        EXPECT_EQ(text.flags, unsigned(TEXT_WORDBREAK | TEXT_NOPREFIX));
        EXPECT_EQ(text.rect.left, c.rect.left);
        EXPECT_EQ(text.rect.top, c.rect.top);
        EXPECT_EQ(text.rect.right, c.rect.right);
        EXPECT_EQ(text.rect.bottom, c.rect.bottom);
        EXPECT_EQ(text.fontHeight, c.fontHeight);
        EXPECT_EQ(text.fontWeight, 700);
        EXPECT_EQ(text.fontFace, "Times New Roman");
        ExpectFontsReleased();
    }
}

TEST_F(ResultsScreen, ShowsAnAmpersandAsTyped) {
    const std::vector<FakeCall> texts = Frame();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_NE(texts[0].text.find("Your wish, \"Tom & Jerry\""), std::string::npos);
    EXPECT_NE(texts[0].flags & TEXT_NOPREFIX, 0u);
}

TEST_F(ResultsScreen, SavesOnceInEachFrameWithASaveRequest) {
    struct Case {
        bool saveRequested;
        std::size_t saves;
    };
    const Case cases[] = {{false, 0}, {true, 1}, {false, 0}, {true, 1}, {true, 1}};
    for (const Case& c : cases) {
        SaveRequested = c.saveRequested;
        Frame();
        const std::vector<FakeCall> writes = CallsOf(FakeCallKind::WriteFile);
        EXPECT_EQ(writes.size(), c.saves);
        EXPECT_EQ(CallsOf(FakeCallKind::MessageBox).size(), c.saves);
        if (!writes.empty()) {
            ASSERT_EQ(writes[0].pieces.size(), 10u);
            EXPECT_EQ(writes[0].pieces[3], std::string(ResultsText)); // this frame's results
            EXPECT_EQ(writes[0].text, "LorvanResults_Robin.txt");
        }
    }
    EXPECT_EQ(ScreenIndex, ShowResults);
}

TEST_F(ResultsScreen, IgnoresTypedCharacters) {
    std::strcpy(KeyBuffer, "x\b\r");
    const std::string before = ExpectedScreenText();
    for (int frame = 0; frame < 3; ++frame) {
        EXPECT_EQ(Frame().at(0).text, before);
    }
    EXPECT_STREQ(KeyBuffer, "");
    EXPECT_EQ(ScreenIndex, ShowResults);
    EXPECT_STREQ(Answers.userName, "Robin");
}

} // namespace
