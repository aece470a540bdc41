#include "screens/text_entry.h"

#include "render/text_box.h"
#include "screens/default_answers.h"
#include "tests/support/game_player.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

// A small client area: the entry rules do not depend on the layout.
enum { W = 40, H = 30 };

struct EntryScreen {
    int screen;
    TextBox* box;
    char* answer;
    int lengthLimit;
    bool number;
    const char* const* defaults; // null for the number screens
    bool keepsTextAfterStore;
};

const EntryScreen ENTRY_SCREENS[] = {
    {AskName, &TextBoxA, Answers.userName, 30, false, PlayerNameDefaults, true},
    {AskFirstNumber, &TextBoxB, Answers.dayCount, 2, true, nullptr, false},
    {AskSecondNumber, &TextBoxB, Answers.peopleCount, 2, true, nullptr, false},
    {AskLoveName, &TextBoxA, Answers.loveName, 30, false, OppositeNameDefaults, false},
    {AskNoChanceName, &TextBoxA, Answers.noChanceName, 30, false, OppositeNameDefaults, false},
    {AskFriendName1, &TextBoxA, Answers.caresName, 30, false, FriendNameDefaults, false},
    {AskFriendName2, &TextBoxA, Answers.knowsYouName, 30, false, FriendNameDefaults, false},
    {AskFriendName3, &TextBoxA, Answers.bestFriendName, 30, false, FriendNameDefaults, false},
    {AskTitle1, &TextBoxA, Answers.loveTitle, 40, false, MovieTitleDefaults, false},
    {AskTitle2, &TextBoxA, Answers.lifeTitle, 40, false, MovieTitleDefaults, false},
    {AskTitle3, &TextBoxA, Answers.noChanceTitle, 40, false, MovieTitleDefaults, false},
    {AskTitle4, &TextBoxA, Answers.mindTitle, 40, false, MovieTitleDefaults, false},
    {AskWish, &TextBoxA, Answers.wish, 55, false, WishDefaults, false},
};

class TextEntryTest : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
    }

    // Starts the game on the given screen, its first-frame set-up done.
    static void StartOn(int screen) {
        StartFreshGame();
        ScreenIndex = screen;
        PlayFrame(W, H);
    }

    static void SetText(TextBox& box, const std::string& text) {
        std::snprintf(box.text, sizeof box.text, "%s", text.c_str());
    }
};

TEST_F(TextEntryTest, EveryCharacterCodeOnEveryKindOfScreen) {
    const int kinds[] = {AskName, AskFirstNumber, AskLoveName, AskTitle1, AskWish};
    for (const int kind : kinds) {
        const EntryScreen* entry = nullptr;
        for (const EntryScreen& e : ENTRY_SCREENS) {
            entry = e.screen == kind ? &e : entry;
        }
        const std::string seed = entry->number ? "1" : "ab";
        for (int code = 0; code < 256; ++code) {
            StartOn(kind);
            SetText(*entry->box, seed);
            KeyBuffer[0] = static_cast<char>(code);
            KeyBuffer[1] = 'x'; // queued behind, left for the next frame
            PlayFrame(W, H);

            const std::string text = entry->box->text;
            const bool accepted =
                entry->number ? (code >= '0' && code <= '9') : (code >= 32 && code <= 126);
            SCOPED_TRACE(testing::Message() << "screen " << kind << ", code " << code);
            if (code == 0) {
                EXPECT_EQ(text, seed);
                EXPECT_EQ(KeyBuffer[1], 'x'); // nothing queued is taken
                continue;
            }
            EXPECT_STREQ(KeyBuffer, "x");
            if (code == 8) {
                EXPECT_EQ(text, seed.substr(0, seed.size() - 1));
            } else if (code == 13) {
                EXPECT_EQ(std::string(entry->answer), seed);
                EXPECT_EQ(ScreenIndex, kind + 1);
                EXPECT_EQ(text, entry->keepsTextAfterStore ? seed : "");
            } else if (accepted) {
                EXPECT_EQ(text, seed + static_cast<char>(code));
            } else {
                EXPECT_EQ(text, seed);
            }
            if (code != 13) {
                EXPECT_EQ(ScreenIndex, kind);
                EXPECT_STREQ(entry->answer, "");
            }
        }
    }
}

TEST_F(TextEntryTest, AFullQueueGivesUpItsFirstCharacterAndStaysTerminated) {
    std::memset(KeyBuffer, 'a', KEY_BUFFER_SIZE); // full to its last byte, unterminated
    KeyBuffer[0] = 'b';
    ConsumeKey();
    EXPECT_EQ(std::string(KeyBuffer), std::string(KEY_BUFFER_SIZE - 1, 'a'));
}

TEST_F(TextEntryTest, TextsStopAtTheirLengthLimit) {
    for (const EntryScreen& entry : ENTRY_SCREENS) {
        SCOPED_TRACE(testing::Message() << "screen " << entry.screen);
        StartOn(entry.screen);
        const char filler = entry.number ? '1' : 'w';
        SetText(*entry.box, std::string(static_cast<std::size_t>(entry.lengthLimit - 1), filler));
        Type("22");
        PlayFrame(W, H);
        EXPECT_EQ(std::strlen(entry.box->text), static_cast<std::size_t>(entry.lengthLimit));
        PlayFrame(W, H); // the character beyond the limit is taken and dropped
        EXPECT_EQ(std::strlen(entry.box->text), static_cast<std::size_t>(entry.lengthLimit));
        EXPECT_STREQ(KeyBuffer, "");
        Type("\b2");
        PlayFrame(W, H);
        PlayFrame(W, H);
        EXPECT_EQ(std::strlen(entry.box->text), static_cast<std::size_t>(entry.lengthLimit));
        EXPECT_EQ(entry.box->text[entry.lengthLimit - 1], '2');
    }
}

TEST_F(TextEntryTest, EnterOnAnEmptyBoxOffersADefaultAndTheNextEnterStoresIt) {
    for (const EntryScreen& entry : ENTRY_SCREENS) {
        SCOPED_TRACE(testing::Message() << "screen " << entry.screen);
        for (unsigned seed : {1u, 7u, 12345u}) {
            StartOn(entry.screen);
            std::srand(seed);
            const int draw = std::rand();
            std::string expected;
            if (entry.number) {
                expected = std::to_string(draw % 20 + 1);
            } else {
                expected = entry.defaults[draw % 11];
            }
            std::srand(seed);
            Type("\r");
            PlayFrame(W, H);
            EXPECT_EQ(std::string(entry.box->text), expected);
            EXPECT_EQ(ScreenIndex, entry.screen);
            EXPECT_STREQ(entry.answer, "");

            Type("\r");
            PlayFrame(W, H);
            EXPECT_EQ(std::string(entry.answer), expected);
            EXPECT_EQ(ScreenIndex, entry.screen + 1);
        }
    }
}

TEST_F(TextEntryTest, DefaultListsHoldTheGamesJokes) {
    EXPECT_STREQ(PlayerNameDefaults[0], "Goo Feeyou");
    EXPECT_STREQ(PlayerNameDefaults[10], "Doo Fis");
    EXPECT_STREQ(OppositeNameDefaults[7], "Hannible Smith");
    EXPECT_STREQ(OppositeNameDefaults[10], "Don Key");
    EXPECT_STREQ(FriendNameDefaults[10], "Doo Fis");
    EXPECT_STREQ(MovieTitleDefaults[6], "Little House on the Prairie");
    EXPECT_STREQ(WishDefaults[4], "I wish to get pink sun glasses for christmas.");
    const char* const* lists[] = {PlayerNameDefaults, OppositeNameDefaults, FriendNameDefaults,
                                  MovieTitleDefaults, WishDefaults};
    const std::size_t limits[] = {30, 30, 30, 40, 55};
    for (std::size_t list = 0; list < 5; ++list) {
        for (int i = 0; i < DEFAULT_ANSWER_COUNT; ++i) {
            EXPECT_LE(std::strlen(lists[list][i]), limits[list]) << lists[list][i];
        }
    }
}

TEST_F(TextEntryTest, NumbersOutsideOneToTwentyAreReplacedNotStored) {
    struct Case {
        const char* typed;
        bool stored;
    };
    const Case cases[] = {{"0", false}, {"00", false}, {"21", false}, {"99", false},
                          {"1", true},  {"05", true},  {"20", true},  {"5", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        StartOn(AskFirstNumber);
        SetText(TextBoxB, c.typed);
        std::srand(99);
        const std::string offered = std::to_string(std::rand() % 20 + 1);
        std::srand(99);
        Type("\r");
        PlayFrame(W, H);
        if (c.stored) {
            EXPECT_STREQ(Answers.dayCount, c.typed);
            EXPECT_EQ(ScreenIndex, AskSecondNumber);
            EXPECT_STREQ(TextBoxB.text, "");
        } else {
            EXPECT_STREQ(Answers.dayCount, "");
            EXPECT_EQ(ScreenIndex, AskFirstNumber);
            EXPECT_EQ(std::string(TextBoxB.text), offered);
        }
    }
}

TEST_F(TextEntryTest, CharactersTypedWithinOneFrameArriveOnePerFrameInOrder) {
    StartOn(AskName);
    Type("Jo\bim");
    const char* const after[] = {"J", "Jo", "J", "Ji", "Jim"};
    for (const char* text : after) {
        PlayFrame(W, H);
        EXPECT_STREQ(TextBoxA.text, text);
    }
    EXPECT_STREQ(KeyBuffer, "");
    PlayFrame(W, H);
    EXPECT_STREQ(TextBoxA.text, "Jim");
}

TEST_F(TextEntryTest, EveryScreenStoresItsOwnAnswerAndLeavesItsBoxAsItShould) {
    for (const EntryScreen& entry : ENTRY_SCREENS) {
        SCOPED_TRACE(testing::Message() << "screen " << entry.screen);
        StartOn(entry.screen);
        const std::string seed = entry.number ? "12" : "Al";
        SetText(*entry.box, seed);
        Type("\r");
        PlayFrame(W, H);
        EXPECT_EQ(std::string(entry.answer), seed);
        EXPECT_EQ(ScreenIndex, entry.screen + 1);
        EXPECT_EQ(std::string(entry.box->text), entry.keepsTextAfterStore ? seed : "");
    }
}

TEST_F(TextEntryTest, BackspaceOnAnEmptyBoxDoesNothing) {
    for (const EntryScreen& entry : ENTRY_SCREENS) {
        StartOn(entry.screen);
        Type("\b");
        PlayFrame(W, H);
        EXPECT_STREQ(entry.box->text, "") << entry.screen;
        EXPECT_EQ(ScreenIndex, entry.screen);
    }
}

TEST_F(TextEntryTest, EnterQueuedBehindTheAcceptingEnterMovesStraightOn) {
    StartOn(AskName);
    Type("Al\r\rq\r");
    for (int frame = 0; frame < 3; ++frame) {
        PlayFrame(W, H);
    }
    EXPECT_STREQ(Answers.userName, "Al");
    EXPECT_EQ(ScreenIndex, Introduction);
    PlayFrame(W, H); // the second Enter, on the introduction
    EXPECT_EQ(ScreenIndex, AskFirstNumber);
    PlayFrame(W, H); // "q" is no digit
    EXPECT_STREQ(TextBoxB.text, "");
    EXPECT_STREQ(KeyBuffer, "\r");
}

TEST_F(TextEntryTest, IntroductionTakesOtherCharactersOffTheQueueUnused) {
    StartOn(Introduction);
    Type("ab\b\r");
    PlayFrame(W, H);
    PlayFrame(W, H);
    PlayFrame(W, H);
    EXPECT_EQ(ScreenIndex, Introduction);
    EXPECT_STREQ(KeyBuffer, "\r");
    PlayFrame(W, H);
    EXPECT_EQ(ScreenIndex, AskFirstNumber);
}

TEST_F(TextEntryTest, NameOfOnlySpacesIsStoredUnchanged) {
    StartOn(AskName);
    Type("   \r");
    for (int frame = 0; frame < 4; ++frame) {
        PlayFrame(W, H);
    }
    EXPECT_STREQ(Answers.userName, "   ");
    EXPECT_EQ(ScreenIndex, Introduction);
}

TEST_F(TextEntryTest, PreparedBoxIsTheTransparentCyanEntryField) {
    SetText(TextBoxA, "left over");
    TextBoxA.showBorder = 0;
    PrepareEntryBox();
    EXPECT_STREQ(TextBoxA.text, "");
    EXPECT_EQ(TextBoxA.baseWidth, 550);
    EXPECT_EQ(TextBoxA.baseHeight, 33);
    EXPECT_EQ(TextBoxA.baseFontSize, 20);
    EXPECT_EQ(TextBoxA.transparent, 1);
    EXPECT_EQ(TextBoxA.textColor, 0x00FFFFu);
    EXPECT_EQ(TextBoxA.caretColor, 0xFFFF00u);
    EXPECT_EQ(TextBoxA.showBorder, 1);
    EXPECT_EQ(TextBoxA.showCaret, 0);
    EXPECT_EQ(TextBoxA.blinkPeriodMs, 500);
}

} // namespace
