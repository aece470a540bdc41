#include "app/about_text.h"
#include "app/game_state.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(GameState, StartsWithAnEmptyGameAtTheFirstScreen) {
    StartFreshGame();
    EXPECT_EQ(ScreenIndex, 0);
    EXPECT_STREQ(KeyBuffer, "");
    EXPECT_FALSE(ShowFpsOverlay);
    EXPECT_FALSE(SaveRequested);
    EXPECT_EQ(BaseClientWidth, 0);
    EXPECT_EQ(BaseClientHeight, 0);
    EXPECT_STREQ(ExeDirectory, "");
    const char* answers[] = {Answers.userName,     Answers.dayCount,       Answers.peopleCount,
                             Answers.loveName,     Answers.noChanceName,   Answers.caresName,
                             Answers.knowsYouName, Answers.bestFriendName, Answers.loveTitle,
                             Answers.lifeTitle,    Answers.noChanceTitle,  Answers.mindTitle,
                             Answers.wish};
    for (const char* answer : answers) {
        EXPECT_STREQ(answer, "");
    }
}

TEST(GameState, SettingsStartWithTheGamesFixedValues) {
    StartFreshGame();
    EXPECT_STREQ(AppSettings.windowClassName, "LorvanMainWindow");
    EXPECT_STREQ(AppSettings.resultsFilePrefix, "LorvanResults_");
    EXPECT_EQ(AppSettings.frameRateCap, 30);
    EXPECT_EQ(AppSettings.windowWidth, 640);
    EXPECT_EQ(AppSettings.windowHeight, 480);
    EXPECT_STREQ(AppSettings.downloadLink, "lorvan.example/products/lorvan/lorvan_latest.zip");
    EXPECT_STREQ(AppSettings.productPageLink, "lorvan.example/products/lorvan/lorvan.shtml");
    EXPECT_EQ(sizeof AppSettings.productPageLink, std::strlen(AppSettings.productPageLink) + 1);
    EXPECT_TRUE(AppSettings.recordBaseSize);
    EXPECT_TRUE(AppSettings.nameScreenFirstFrame);
    EXPECT_TRUE(AppSettings.numberScreensFirstFrame);
    EXPECT_TRUE(AppSettings.oppositeNameScreensFirstFrame);
    EXPECT_TRUE(AppSettings.friendScreensFirstFrame);
    EXPECT_TRUE(AppSettings.titleScreensFirstFrame);
    EXPECT_EQ(AppSettings.thinkingTextY, 80);
    EXPECT_EQ(AppSettings.thinkingTextStep, 10);
    EXPECT_TRUE(AppSettings.caretVisible);
}

TEST(GameState, EveryAnswerHasRoomForItsLongestEntry) {
    EXPECT_GT(sizeof Answers.userName, static_cast<std::size_t>(NAME_LENGTH_LIMIT) + 1);
    EXPECT_GT(sizeof Answers.dayCount, static_cast<std::size_t>(NUMBER_LENGTH_LIMIT) + 1);
    EXPECT_GT(sizeof Answers.peopleCount, static_cast<std::size_t>(NUMBER_LENGTH_LIMIT) + 1);
    EXPECT_GT(sizeof Answers.loveTitle, static_cast<std::size_t>(TITLE_LENGTH_LIMIT) + 1);
    EXPECT_GT(sizeof Answers.wish, static_cast<std::size_t>(WISH_LENGTH_LIMIT) + 1);
}

TEST(AboutText, EndsWithTheProductPageAfterTwoParagraphs) {
    StartFreshGame();
    char text[ABOUT_TEXT_SIZE];
    FormatAboutText(text, sizeof text);
    const std::string about = text;
    const std::string last = std::string("Website: ") + AppSettings.productPageLink;
    ASSERT_GE(about.size(), last.size());
    EXPECT_EQ(about.substr(about.size() - last.size()), last);
    // A credit line, a rights line and the website, each after an empty line.
    const std::size_t first = about.find("\n\n");
    ASSERT_NE(first, std::string::npos);
    const std::size_t second = about.find("\n\n", first + 2);
    ASSERT_NE(second, std::string::npos);
    EXPECT_EQ(about.substr(second + 2), last);
    EXPECT_GT(first, 0u);
    EXPECT_GT(second, first + 2);
    EXPECT_EQ(about.find('\n', first + 2), second);
}

TEST(AboutText, StaysTerminatedInASmallBuffer) {
    char text[10];
    std::memset(text, 'x', sizeof text);
    FormatAboutText(text, sizeof text);
    EXPECT_EQ(std::strlen(text), sizeof text - 1);
}

} // namespace
