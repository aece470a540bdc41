#include "app/key_commands.h"

#include "app/game_state.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

class KeyRules : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
        std::memset(keys, 0, sizeof keys);
    }

    void Press(int key) { keys[key] = 0x80; }

    unsigned char keys[256];
};

const unsigned MESSAGE_MOUSEMOVE = 0x0200;

TEST_F(KeyRules, EscapeAsksTheQuitQuestionAndOnlyYesQuits) {
    struct Case {
        int answer;
        bool postDestroy;
    } cases[] = {
        {MSGBOX_ANSWER_YES, true},
        {MSGBOX_ANSWER_NO, false},
        {MSGBOX_ANSWER_CANCEL, false},
    };
    for (const Case& c : cases) {
        ResetFake();
        Fake.messageBoxAnswers.push_back(c.answer);
        Press(KEY_ESCAPE);
        const PumpOutcome outcome = ApplyKeyRules(keys, MESSAGE_MOUSEMOVE, 0);
        EXPECT_EQ(outcome.postDestroy, c.postDestroy) << "answer " << c.answer;
        EXPECT_FALSE(outcome.isQuit);
        const auto boxes = CallsOf(FakeCallKind::MessageBox);
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Are you sure you wish to quit?");
        EXPECT_EQ(boxes[0].caption, "Quit?");
        EXPECT_EQ(boxes[0].flags, 0x23u);
    }
}

TEST_F(KeyRules, NoQuestionWhileEscapeIsUp) {
    keys[KEY_ESCAPE] = 0x7F; // only the high bit means down
    const PumpOutcome outcome = ApplyKeyRules(keys, MESSAGE_KEYDOWN, KEY_ESCAPE);
    EXPECT_FALSE(outcome.postDestroy);
    EXPECT_TRUE(CallsOf(FakeCallKind::MessageBox).empty());
}

TEST_F(KeyRules, F5FlipsTheOverlayForEveryMessageWhileHeld) {
    Press(KEY_F5);
    const bool expected[] = {true, false, true};
    for (bool shown : expected) {
        ApplyKeyRules(keys, MESSAGE_MOUSEMOVE, 0);
        EXPECT_EQ(ShowFpsOverlay, shown);
    }
    EXPECT_EQ(AppSettings.frameRateCap, 30);
}

TEST_F(KeyRules, F6SwitchesTheCapAndBringsAnyOtherValueBackTo30) {
    struct Case {
        int before;
        int after;
    } cases[] = {
        {30, 3000000}, {3000000, 30}, {60, 30}, {0, 30}, {-1, 30},
    };
    Press(KEY_F6);
    for (const Case& c : cases) {
        AppSettings.frameRateCap = c.before;
        ApplyKeyRules(keys, MESSAGE_KEYDOWN, KEY_F6);
        EXPECT_EQ(AppSettings.frameRateCap, c.after) << "from " << c.before;
    }
    EXPECT_FALSE(ShowFpsOverlay);
}

TEST_F(KeyRules, CtrlOrAltKeepsEveryCharacterOutOfTheBuffer) {
    const int modifiers[][2] = {{KEY_CONTROL, 0}, {KEY_ALT, 0}, {KEY_CONTROL, KEY_ALT}};
    for (const auto& held : modifiers) {
        std::memset(keys, 0, sizeof keys);
        for (int key : held) {
            if (key != 0) {
                Press(key);
            }
        }
        for (int code = 0; code < 256; ++code) {
            const PumpOutcome outcome =
                ApplyKeyRules(keys, MESSAGE_CHAR, static_cast<std::uint64_t>(code));
            EXPECT_FALSE(outcome.isQuit);
            EXPECT_FALSE(outcome.postDestroy);
        }
        EXPECT_EQ(KeyBuffer[0], '\0') << "modifier " << held[0] << "+" << held[1];
    }
}

TEST_F(KeyRules, EveryCharacterCodeIsQueuedWhenNoModifierIsDown) {
    for (int code = 0; code < 256; ++code) {
        std::memset(KeyBuffer, 0, sizeof KeyBuffer);
        ApplyKeyRules(keys, MESSAGE_CHAR, static_cast<std::uint64_t>(code));
        EXPECT_EQ(static_cast<unsigned char>(KeyBuffer[0]), code) << code;
        EXPECT_EQ(KeyBuffer[1], '\0') << code;
    }
}

TEST_F(KeyRules, CharactersQueueInOrderFromTheLowByteOfTheMessage) {
    ApplyKeyRules(keys, MESSAGE_CHAR, 'H');
    ApplyKeyRules(keys, MESSAGE_CHAR, 0x1369); // only the low byte counts: 'i'
    ApplyKeyRules(keys, MESSAGE_CHAR, 13);
    ApplyKeyRules(keys, MESSAGE_CHAR, 8);
    EXPECT_STREQ(KeyBuffer, "Hi\r\b");
    ApplyKeyRules(keys, MESSAGE_KEYDOWN, 'X'); // a key-down is not a character
    EXPECT_STREQ(KeyBuffer, "Hi\r\b");
}

TEST_F(KeyRules, WithoutAKeyboardStateNoCommandRunsAndNothingIsSuppressed) {
    Fake.messageBoxAnswers.push_back(MSGBOX_ANSWER_YES);
    const PumpOutcome outcome = ApplyKeyRules(nullptr, MESSAGE_CHAR, 'a');
    EXPECT_FALSE(outcome.postDestroy);
    EXPECT_TRUE(CallsOf(FakeCallKind::MessageBox).empty());
    EXPECT_FALSE(ShowFpsOverlay);
    EXPECT_EQ(AppSettings.frameRateCap, 30);
    EXPECT_STREQ(KeyBuffer, "a");
    EXPECT_TRUE(ApplyKeyRules(nullptr, MESSAGE_QUIT, 0).isQuit);
    ApplyKeyRules(nullptr, MESSAGE_KEYDOWN, KEY_F1);
    EXPECT_TRUE(SaveRequested);
}

TEST_F(KeyRules, OnlyAnF1KeyDownRequestsTheSave) {
    struct Case {
        unsigned message;
        std::uint64_t wParam;
        bool save;
    } cases[] = {
        {MESSAGE_KEYDOWN, KEY_F1, true},
        {MESSAGE_KEYDOWN, KEY_F5, false},
        {MESSAGE_KEYDOWN, 'A', false},
        {MESSAGE_KEYDOWN, 0x170, false}, // not F1, though its low byte is
        {0x0101, KEY_F1, false},         // the key-up
        {MESSAGE_CHAR, KEY_F1, false},   // the character 'p'
    };
    for (const Case& c : cases) {
        SaveRequested = false;
        ApplyKeyRules(keys, c.message, c.wParam);
        EXPECT_EQ(SaveRequested, c.save) << std::hex << c.message << " " << c.wParam;
    }
}

TEST_F(KeyRules, ReportsTheQuitMessage) {
    EXPECT_TRUE(ApplyKeyRules(keys, MESSAGE_QUIT, 0).isQuit);
    EXPECT_TRUE(ApplyKeyRules(keys, MESSAGE_QUIT, 7).isQuit);
    EXPECT_FALSE(ApplyKeyRules(keys, MESSAGE_KEYDOWN, 0).isQuit);
    EXPECT_FALSE(ApplyKeyRules(keys, MESSAGE_CHAR, 0x12).isQuit);
}

TEST_F(KeyRules, AFullBufferDropsTheCharacterAndStaysTerminated) {
    for (int i = 0; i < KEY_BUFFER_SIZE + 10; ++i) {
        ApplyKeyRules(keys, MESSAGE_CHAR, 'a' + i % 26);
    }
    EXPECT_EQ(std::strlen(KeyBuffer), static_cast<std::size_t>(KEY_BUFFER_SIZE - 1));
    EXPECT_EQ(KeyBuffer[KEY_BUFFER_SIZE - 1], '\0');
    EXPECT_EQ(KeyBuffer[KEY_BUFFER_SIZE - 2], 'a' + (KEY_BUFFER_SIZE - 2) % 26);
    // Once the screen takes a character there is room again.
    std::memmove(KeyBuffer, KeyBuffer + 1, KEY_BUFFER_SIZE - 1);
    ApplyKeyRules(keys, MESSAGE_CHAR, '!');
    EXPECT_EQ(KeyBuffer[KEY_BUFFER_SIZE - 2], '!');
    EXPECT_EQ(KeyBuffer[KEY_BUFFER_SIZE - 1], '\0');
}

} // namespace
