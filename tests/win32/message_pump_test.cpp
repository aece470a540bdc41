#include "app/win32_shell.h"

#include "app/game_state.h"
#include "tests/support/fresh_game.h"
#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

class MessagePump : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        DrainMessages();
        std::memset(&message, 0, sizeof message);
    }

    void TearDown() override { DrainMessages(); }

    void Post(UINT number, WPARAM wParam) {
        ASSERT_TRUE(PostThreadMessageA(GetCurrentThreadId(), number, wParam, 0));
    }

    MSG message;
};

TEST_F(MessagePump, AnEmptyQueueReturnsFalseAndTouchesNothing) {
    std::strcpy(KeyBuffer, "ab");
    AppSettings.frameRateCap = 45;
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_STREQ(KeyBuffer, "ab");
    EXPECT_FALSE(SaveRequested);
    EXPECT_FALSE(ShowFpsOverlay);
    EXPECT_EQ(AppSettings.frameRateCap, 45);
}

TEST_F(MessagePump, TakesOneMessageAtATimeAndQueuesTypedCharacters) {
    Post(WM_CHAR, 'h');
    Post(WM_CHAR, 'i');
    Post(WM_CHAR, 13);
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_STREQ(KeyBuffer, "h");
    EXPECT_EQ(message.message, static_cast<UINT>(WM_CHAR));
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_STREQ(KeyBuffer, "hi\r");
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_STREQ(KeyBuffer, "hi\r");
}

TEST_F(MessagePump, AnF1KeyDownRequestsTheSave) {
    Post(WM_KEYDOWN, 'A');
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_FALSE(SaveRequested);
    // The key-down was translated into its character, which the next call stores.
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_CHAR));
    EXPECT_STREQ(KeyBuffer, "a");
    Post(WM_KEYDOWN, VK_F1);
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_TRUE(SaveRequested);
    EXPECT_FALSE(PumpMessage(nullptr, &message)); // F1 types nothing
    EXPECT_STREQ(KeyBuffer, "a");
}

TEST_F(MessagePump, ReportsTheQuitMessageWithItsExitCode) {
    Post(WM_CHAR, 'x');
    PostQuitMessage(0);
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_TRUE(PumpMessage(nullptr, &message));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 0u);

    Post(WM_QUIT, 77);
    EXPECT_TRUE(PumpMessage(nullptr, &message));
    EXPECT_EQ(message.wParam, 77u);
    EXPECT_STREQ(KeyBuffer, "x");
}

TEST_F(MessagePump, AHeldF5FlipsTheOverlayForEveryMessageRemoved) {
    BYTE keys[256] = {};
    keys[VK_F5] = 0x80;
    ASSERT_TRUE(SetKeyboardState(keys));
    for (bool shown : {true, false, true}) {
        Post(WM_NULL, 0);
        EXPECT_FALSE(PumpMessage(nullptr, &message));
        EXPECT_EQ(ShowFpsOverlay, shown);
    }
    keys[VK_F5] = 0;
    keys[VK_CONTROL] = 0x80;
    ASSERT_TRUE(SetKeyboardState(keys));
    Post(WM_CHAR, 'c');
    EXPECT_FALSE(PumpMessage(nullptr, &message));
    EXPECT_STREQ(KeyBuffer, ""); // typed with Ctrl down
    EXPECT_TRUE(ShowFpsOverlay);
    keys[VK_CONTROL] = 0;
    ASSERT_TRUE(SetKeyboardState(keys));
}

} // namespace
