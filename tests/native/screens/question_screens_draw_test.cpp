#include "render/text_box.h"
#include "screens/question_screens.h"
#include "tests/support/game_player.h"
#include "tests/support/screen_fixture.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

enum : std::uint32_t { SHADOW = 0x640000, WHITE = 0xFFFFFF, CYAN = 0xFFFF00, YELLOW = 0x32FFFF };
enum : unsigned { WORDBREAK = 0x10, CENTER = 0x01, NOPREFIX = 0x800 };
enum { BASE_W = 624, BASE_H = 421 };

// A client size and what the layout makes there of the base units the screens use,
// written out: at the 624 by 421 base a unit is a pixel; at 1000 by 700 each is
// truncated from 1.6026 across and 1.6627 down. Bold screen fonts are their points
// at 96 dots per inch, scaled down the window; the box's 20 points are scaled first.
struct Size {
    int width;
    int height;
    std::map<int, int> across;
    std::map<int, int> down;
    std::map<int, int> fontHeights; // by points
    int boxFontHeight;

    int X(int units) const { return Lookup(across, units); }
    int Y(int units) const { return Lookup(down, units); }
    int FontHeight(int points) const { return Lookup(fontHeights, points); }

  private:
    static int Lookup(const std::map<int, int>& values, int key) {
        const auto found = values.find(key);
        if (found == values.end()) {
            ADD_FAILURE() << "no value written out for " << key;
            return 0;
        }
        return found->second;
    }
};

const Size BASE = {BASE_W,
                   BASE_H,
                   {{5, 5}, {30, 30}, {33, 33}, {35, 35}, {50, 50}, {95, 95}, {98, 98}, {550, 550}},
                   {{3, 3},
                    {33, 33},
                    {40, 40},
                    {50, 50},
                    {80, 80},
                    {170, 170},
                    {175, 175},
                    {180, 180},
                    {205, 205},
                    {225, 225},
                    {250, 250},
                    {275, 275},
                    {325, 325},
                    {410, 410}},
                   {{18, -24}, {20, -27}, {23, -31}},
                   -27};
// 40 sy + 3 sy truncates to 70 term by term but 71 as one term, so a wrongly
// summed offset shows.
const Size RESIZED = {
    1000,
    700,
    {{5, 8}, {30, 48}, {33, 52}, {35, 56}, {50, 80}, {95, 152}, {98, 157}, {550, 881}},
    {{3, 4},
     {33, 54},
     {40, 66},
     {50, 83},
     {80, 133},
     {170, 282},
     {175, 290},
     {180, 299},
     {205, 340},
     {225, 374},
     {250, 415},
     {275, 457},
     {325, 540},
     {410, 681}},
    {{18, -39}, {20, -44}, {23, -51}},
    -44};
const Size SIZES[] = {BASE, RESIZED};

struct ExpectedText {
    std::string text;
    TextRect rect;
    unsigned flags;
    std::uint32_t color;
    int fontHeight;
    int fontWeight;
};

void ExpectTexts(const std::vector<FakeCall>& calls, const std::vector<ExpectedText>& expected) {
    const std::vector<FakeCall> texts = DrawnTexts(calls);
    ASSERT_EQ(texts.size(), expected.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        SCOPED_TRACE(testing::Message() << "text " << i << ": " << expected[i].text.substr(0, 30));
        EXPECT_EQ(texts[i].text, expected[i].text);
        EXPECT_EQ(texts[i].rect.left, expected[i].rect.left);
        EXPECT_EQ(texts[i].rect.top, expected[i].rect.top);
        EXPECT_EQ(texts[i].rect.right, expected[i].rect.right);
        EXPECT_EQ(texts[i].rect.bottom, expected[i].rect.bottom);
        EXPECT_EQ(texts[i].flags, expected[i].flags);
        EXPECT_EQ(texts[i].textColor, expected[i].color);
        EXPECT_EQ(texts[i].fontHeight, expected[i].fontHeight);
        EXPECT_EQ(texts[i].fontWeight, expected[i].fontWeight);
        EXPECT_EQ(texts[i].fontFace, "Times New Roman");
        EXPECT_EQ(texts[i].backgroundMode, BACKGROUND_TRANSPARENT);
        EXPECT_EQ(texts[i].backgroundColor, 0u);
    }
}

ExpectedText Box(const Size& s, const char* text, int baseWidth, int baseTop) {
    const int left = s.X(30);
    const int top = s.Y(baseTop);
    return {text,
            {left + 6, top + 2, left + s.X(baseWidth), top + s.Y(33)},
            NOPREFIX,
            CYAN,
            s.boxFontHeight,
            FONT_WEIGHT_DONTCARE};
}

// The prompt of screens 1 to 13: 18 points, 30 units in and 40 down, shadow 3 and 3.
std::vector<ExpectedText> Prompt(const Size& s, const char* prompt) {
    const int bottom = s.Y(410) + s.Y(40);
    return {{prompt,
             {s.X(33), s.Y(40) + s.Y(3), s.width, bottom},
             WORDBREAK,
             SHADOW,
             s.FontHeight(18),
             FONT_WEIGHT_BOLD},
            {prompt,
             {s.X(30), s.Y(40), s.width, bottom},
             WORDBREAK,
             WHITE,
             s.FontHeight(18),
             FONT_WEIGHT_BOLD}};
}

class QuestionScreensDrawTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
    }
};

TEST_F(QuestionScreensDrawTest, NameScreenAtTheBaseSizeAndResized) {
    for (const Size& s : SIZES) {
        StartFreshGame();
        ResetFake();
        PlayFrame(BASE.width, BASE.height); // records the base size
        std::snprintf(TextBoxA.text, sizeof TextBoxA.text, "%s", "Ann");
        const std::vector<FakeCall> calls = PlayFrame(s.width, s.height);
        const int titleTop = s.Y(40);
        const auto line = [&](const char* text, int baseTop) {
            const int top = s.Y(baseTop);
            const int bottom = top + s.Y(50);
            return std::vector<ExpectedText>{{text,
                                              {s.X(35), top + s.Y(3), s.width, bottom},
                                              WORDBREAK,
                                              SHADOW,
                                              s.FontHeight(20),
                                              FONT_WEIGHT_BOLD},
                                             {text,
                                              {s.X(30), top, s.width, bottom},
                                              WORDBREAK,
                                              WHITE,
                                              s.FontHeight(20),
                                              FONT_WEIGHT_BOLD}};
        };
        std::vector<ExpectedText> expected = {
            {"Welcome to Lorvan 2.0 - A Word Game",
             {s.X(5), titleTop + s.Y(3), s.width, s.Y(80)},
             CENTER | WORDBREAK,
             SHADOW,
             s.FontHeight(23),
             FONT_WEIGHT_BOLD},
            {"Welcome to Lorvan 2.0 - A Word Game",
             {0, titleTop, s.width, s.Y(80)},
             CENTER | WORDBREAK,
             CYAN,
             s.FontHeight(23),
             FONT_WEIGHT_BOLD},
        };
        for (const ExpectedText& t : line("Hello user, what is your name?", 170))
            expected.push_back(t);
        for (const ExpectedText& t : line("Press 'Enter' to continue.", 250))
            expected.push_back(t);
        expected.push_back(Box(s, "Ann", 550, 205));
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
        ExpectTexts(calls, expected);
        ExpectFontsReleased();
        EXPECT_EQ(TextBoxA.showCaret, 1);
    }
}

const char INTRODUCTION[] =
    "Hello\n\nMy name is PROGRAM, COMPUTER PROGRAM.\n\nOk..lets get down to business. I am going "
    "to ask you for some names. Make sure you enter names you REALLY KNOW and go by your FIRST "
    "INSTINCTS.\n\nWell, let's get back to the game, we don't have all day. Follow the prompts "
    "and I won't lead you astray!\n\n\nPress 'Enter' to continue.";

TEST_F(QuestionScreensDrawTest, IntroductionGreetsThePlayerLiterally) {
    EXPECT_EQ(std::strlen(INTRODUCTION), 323u);
    for (const Size& s : SIZES) {
        StartFreshGame();
        ResetFake();
        PlayFrame(BASE.width, BASE.height);
        ScreenIndex = Introduction;
        // Typed "&" and "%" are plain characters of the name.
        std::snprintf(Answers.userName, sizeof Answers.userName, "%s", "Bo & %s");
        const std::vector<FakeCall> calls = PlayFrame(s.width, s.height);
        std::vector<ExpectedText> expected = Prompt(s, INTRODUCTION);
        const int bottom = s.Y(180) + s.Y(40);
        expected.push_back({"Bo & %s,",
                            {s.X(98), s.Y(40) + s.Y(3), s.width, bottom},
                            WORDBREAK | NOPREFIX,
                            SHADOW,
                            s.FontHeight(18),
                            FONT_WEIGHT_BOLD});
        expected.push_back({"Bo & %s,",
                            {s.X(95), s.Y(40), s.width, bottom},
                            WORDBREAK | NOPREFIX,
                            YELLOW,
                            s.FontHeight(18),
                            FONT_WEIGHT_BOLD});
        SCOPED_TRACE(testing::Message() << s.width << "x" << s.height);
        ExpectTexts(calls, expected);
        ExpectFontsReleased();
        EXPECT_EQ(CurrentFrameReport().answerBox, PixelBox()); // no box after the name screen's
    }
}

TEST_F(QuestionScreensDrawTest, LongestNameIsGreetedWhole) {
    PlayFrame(BASE.width, BASE.height);
    ScreenIndex = Introduction;
    const std::string name(sizeof Answers.userName - 1, 'N');
    std::snprintf(Answers.userName, sizeof Answers.userName, "%s", name.c_str());
    const std::vector<FakeCall> texts = DrawnTexts(PlayFrame(BASE.width, BASE.height));
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[3].text, name + ",");
}

struct PromptScreen {
    int screen;
    const char* prompt;
    int boxWidth;
    int boxTop;
};

const PromptScreen PROMPT_SCREENS[] = {
    {AskFirstNumber,
     "Ok.....follow my instructions carefully!\n\n\n\nEnter the first number that comes to mind "
     "(1-20): \n\n\n\n\n\nPress 'Enter' to continue.",
     50, 175},
    {AskSecondNumber,
     "\n\n\n\n\n\nEnter the second number that comes to mind (1-20): \n\n\n\n\nPress 'Enter' to "
     "continue.",
     50, 225},
    {AskLoveName,
     "\n\n\n\nEnter the name of a person of the opposite gender.\n\n\n\nPress 'Enter to continue.",
     550, 175},
    {AskNoChanceName,
     "\n\n\n\n\n\nEnter a second name of a person of the opposite gender.\n\n\nPress 'Enter' to "
     "continue.",
     550, 225},
    {AskFriendName1,
     "\nEnter anyone's name that is friend or family.\n\n\nName 1 of 3:\n\n\nPress 'Enter' to "
     "continue to 2nd name.",
     550, 175},
    {AskFriendName2,
     "\nEnter anyone's name that is friend or family.\n\n\n\n\nName 2 of 3:\n\n\nPress 'Enter' to "
     "continue to 3rd name.",
     550, 225},
    {AskFriendName3,
     "\nEnter anyone's name that is friend or family.\n\n\n\n\n\n\nName 3 of 3:\n\n\nPress 'Enter' "
     "to continue.",
     550, 275},
    {AskTitle1,
     "\nEnter four movie or TV titles (one at a time).\n\n\nMovie Title 1 of 4:\n\n\nPress 'Enter' "
     "to continue to 2nd movie title.",
     550, 175},
    {AskTitle2,
     "\nEnter four movie or TV titles (one at a time).\n\n\n\n\nMovie Title 2 of 4:\n\n\nPress "
     "'Enter' to continue to 3rd movie title.",
     550, 225},
    {AskTitle3,
     "\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\nMovie Title 3 of 4:\n\n\nPress "
     "'Enter' to continue to 4th movie title.",
     550, 275},
    {AskTitle4,
     "\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\n\n\nMovie Title 4 of "
     "4:\n\nPress 'Enter' to continue.",
     550, 325},
    {AskWish,
     "\nI now have enough data. I am ready for you to make a wish.\n\nEnter your wish here (55 "
     "letters max):\n\n\nPress 'Enter' to receive your results.",
     550, 175},
};

TEST_F(QuestionScreensDrawTest, EveryQuestionAtTheBaseSizeAndResized) {
    for (const PromptScreen& screen : PROMPT_SCREENS) {
        for (const Size& s : SIZES) {
            StartFreshGame();
            ResetFake();
            PlayFrame(BASE.width, BASE.height);
            ScreenIndex = screen.screen;
            PlayFrame(BASE.width, BASE.height); // the group's first frame
            TextBox& box = screen.boxWidth == 50 ? TextBoxB : TextBoxA;
            std::snprintf(box.text, sizeof box.text, "%s", "Q&A");
            const std::vector<FakeCall> calls = PlayFrame(s.width, s.height);
            std::vector<ExpectedText> expected = Prompt(s, screen.prompt);
            expected.push_back(Box(s, "Q&A", screen.boxWidth, screen.boxTop));
            SCOPED_TRACE(testing::Message()
                         << "screen " << screen.screen << " at " << s.width << "x" << s.height);
            ExpectTexts(calls, expected);
            ExpectFontsReleased();
            EXPECT_EQ(box.showCaret, 1);
            const PixelBox answerBox = {s.X(30), s.Y(screen.boxTop), s.X(screen.boxWidth), s.Y(33)};
            EXPECT_EQ(CurrentFrameReport().answerBox, answerBox);
        }
    }
}

TEST_F(QuestionScreensDrawTest, BoxStandsWhereTheScreenAfterTheKeyPutsIt) {
    struct Case {
        int screen;
        const char* typed; // Enter on a valid text moves on; on an empty box it stays
        int boxTop;
    };
    const Case cases[] = {
        {AskName, "Al\r", 205},         {AskFirstNumber, "7\r", 225},
        {AskFirstNumber, "\r", 175},    {AskSecondNumber, "7\r", 225},
        {AskLoveName, "Al\r", 225},     {AskLoveName, "\r", 175},
        {AskNoChanceName, "Al\r", 225}, {AskFriendName1, "Al\r", 225},
        {AskFriendName2, "Al\r", 275},  {AskFriendName3, "Al\r", 275},
        {AskTitle1, "Al\r", 225},       {AskTitle2, "Al\r", 275},
        {AskTitle3, "Al\r", 325},       {AskTitle4, "Al\r", 175},
        {AskWish, "Al\r", 175},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << "screen " << c.screen << " typing " << std::strlen(c.typed));
        StartFreshGame();
        ResetFake();
        ScreenIndex = c.screen;
        PlayFrame(BASE.width, BASE.height);
        Type(c.typed);
        std::vector<FakeCall> calls;
        for (std::size_t i = 0; i < std::strlen(c.typed); ++i) {
            calls = PlayFrame(RESIZED.width, RESIZED.height);
        }
        const std::vector<FakeCall> texts = DrawnTexts(calls);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().rect.top, RESIZED.Y(c.boxTop) + 2);
    }
}

TEST_F(QuestionScreensDrawTest, WiderWindowGrowsTheBoxButKeepsItsTextSize) {
    PlayFrame(BASE.width, BASE.height);
    const std::vector<FakeCall> texts = DrawnTexts(PlayFrame(2 * BASE.width, BASE.height));
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts.back().fontHeight, -27);
    EXPECT_EQ(texts.back().rect.right, 60 + 1100);
    EXPECT_EQ(texts.front().fontHeight, -31); // the title too follows the height only
}

TEST_F(QuestionScreensDrawTest, EachGroupSetsItsBoxUpOnceOnItsFirstFrame) {
    struct Group {
        int firstScreen;
        int laterScreen;
        TextBox* box;
        bool AppSettingsBlock::*flag;
        bool resets; // TextBoxA is reset; TextBoxB only configured
    };
    const Group groups[] = {
        {AskName, AskName, &TextBoxA, &AppSettingsBlock::nameScreenFirstFrame, true},
        {AskFirstNumber, AskSecondNumber, &TextBoxB, &AppSettingsBlock::numberScreensFirstFrame,
         false},
        {AskLoveName, AskNoChanceName, &TextBoxA, &AppSettingsBlock::oppositeNameScreensFirstFrame,
         true},
        {AskFriendName1, AskFriendName3, &TextBoxA, &AppSettingsBlock::friendScreensFirstFrame,
         true},
        {AskTitle1, AskWish, &TextBoxA, &AppSettingsBlock::titleScreensFirstFrame, true},
    };
    for (const Group& g : groups) {
        SCOPED_TRACE(testing::Message() << "screen " << g.firstScreen);
        StartFreshGame();
        ResetFake();
        std::snprintf(g.box->text, sizeof g.box->text, "%s", "left over");
        g.box->showBorder = 0;
        ScreenIndex = g.firstScreen;
        PlayFrame(BASE.width, BASE.height);
        EXPECT_FALSE(AppSettings.*g.flag);
        EXPECT_EQ(g.box->baseHeight, 33);
        EXPECT_EQ(g.box->transparent, 1);
        EXPECT_EQ(g.box->textColor, 0x00FFFFu);
        EXPECT_EQ(g.box->showBorder, g.resets ? 1 : 0);
        EXPECT_EQ(std::string(g.box->text), g.resets ? "" : "left over");

        // Nothing of the set-up runs again, on this screen or a later one of the group.
        g.box->baseWidth = 77;
        g.box->textColor = 0x010203;
        PlayFrame(BASE.width, BASE.height);
        ScreenIndex = g.laterScreen;
        PlayFrame(RESIZED.width, RESIZED.height);
        EXPECT_EQ(g.box->baseWidth, 77);
        EXPECT_EQ(g.box->textColor, 0x010203u);
        EXPECT_FALSE(AppSettings.*g.flag);

        // The other groups still have their set-up ahead of them.
        int pending = 0;
        for (const Group& other : groups) {
            pending += (AppSettings.*other.flag) ? 1 : 0;
        }
        EXPECT_EQ(pending, 4);
    }
}

TEST_F(QuestionScreensDrawTest, NameBoxIsEmptiedWhenTheNameScreensBegin) {
    PlayFrame(BASE.width, BASE.height);
    Type("Zed\r");
    for (int i = 0; i < 4; ++i) {
        PlayFrame(BASE.width, BASE.height);
    }
    EXPECT_STREQ(TextBoxA.text, "Zed"); // screen 0 leaves the name in the box
    ScreenIndex = AskLoveName;
    PlayFrame(BASE.width, BASE.height);
    EXPECT_STREQ(TextBoxA.text, "");
    EXPECT_EQ(TextBoxA.caretColor, 0xFFFF00u);
}

} // namespace
