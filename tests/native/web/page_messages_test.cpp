// The page's events as window messages: the game must see what the exe sees;
// and the accessible screen as the page is told it.
#include "web/page_messages.h"

#include "accessibility/accessible_screen.h"
#include "app/game_state.h"
#include "render/frame_composer.h"
#include "render/text_box.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/game_player.h"
#include "web/page_accessibility.h"
#include "web/page_pump.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct Posted {
    unsigned message;
    unsigned wParam;
};

enum : unsigned {
    VK_CTRL = 0x11,
    VK_ESC = 0x1B,
    VK_LETTER_A = 0x41,
    MENU_EXIT = 9001,
    MENU_ABOUT = 9002,
    RELEASE_KEYS = 0xFFFF // not a message: the page lets go of the keys here
};

// Posts the messages, answers boxes in order, then pumps until the queue is empty.
struct PumpedRun {
    std::string keyBuffer;
    std::vector<std::string> boxCaptions;
    int pumpsToQuit; // -1: the game did not end
};

PumpedRun PumpAll(const std::vector<Posted>& posted, std::vector<int> answers) {
    StartFreshGame();
    ResetFake();
    ResetPageMessages();
    for (int answer : answers) {
        Fake.messageBoxAnswers.push_back(answer);
    }
    for (const Posted& p : posted) {
        if (p.message == RELEASE_KEYS) {
            ReleasePageKeys();
        } else {
            PostPageMessage(p.message, p.wParam);
        }
    }
    PumpedRun run{"", {}, -1};
    for (int pump = 1; pump <= 64; ++pump) {
        const std::size_t boxesBefore = CallsOf(FakeCallKind::MessageBox).size();
        if (PumpPageMessage()) {
            run.pumpsToQuit = pump;
            break;
        }
        if (CallsOf(FakeCallKind::MessageBox).size() != boxesBefore) {
            ForgetKeysAfterBox(); // as the page's message box does once it is answered
        }
    }
    run.keyBuffer = KeyBuffer;
    for (const FakeCall& box : CallsOf(FakeCallKind::MessageBox)) {
        run.boxCaptions.push_back(box.caption);
    }
    return run;
}

TEST(PageMessages, ReachTheGameAsTheExesMessagesDo) {
    const Posted keyA = {MESSAGE_KEYDOWN, VK_LETTER_A}, charA = {MESSAGE_CHAR, 'a'},
                 upA = {MESSAGE_KEYUP, VK_LETTER_A}, ctrlDown = {MESSAGE_KEYDOWN, VK_CTRL},
                 ctrlUp = {MESSAGE_KEYUP, VK_CTRL}, escDown = {MESSAGE_KEYDOWN, VK_ESC},
                 escChar = {MESSAGE_CHAR, 27}, escUp = {MESSAGE_KEYUP, VK_ESC};
    struct Case {
        const char* what;
        std::vector<Posted> posted;
        std::vector<int> answers;
        PumpedRun expected;
    } cases[] = {
        {"typed letters queue in order",
         {keyA, charA, upA, keyA, {MESSAGE_CHAR, 'b'}, upA},
         {},
         {"ab", {}, -1}},
        {"Ctrl held drops the character",
         {ctrlDown, keyA, {MESSAGE_CHAR, 1}, upA, ctrlUp, charA},
         {},
         {"a", {}, -1}},
        {"keys let go of are up: Ctrl's key-up comes from the queue's own record",
         {ctrlDown, {RELEASE_KEYS, 0}, charA, ctrlUp, {MESSAGE_CHAR, 'b'}},
         {},
         {"ab", {}, -1}},
        {"Escape, No: one question, the game goes on; keys queued behind it are the box's",
         {escDown, escChar, escUp, charA},
         {MSGBOX_ANSWER_NO},
         {"", {"Quit?"}, -1}},
        {"Escape, Yes: the destroy, then the quit message, end the game",
         {escDown},
         {MSGBOX_ANSWER_YES},
         {"", {"Quit?"}, 3}},
        {"File > Exit ends the game without a question",
         {{MESSAGE_COMMAND, MENU_EXIT}},
         {},
         {"", {}, 3}},
        {"Help > About shows its box; keys waiting behind it are the box's, commands the game's",
         {{MESSAGE_COMMAND, MENU_ABOUT}, charA, {MESSAGE_COMMAND, MENU_ABOUT}},
         {MSGBOX_ANSWER_OK, MSGBOX_ANSWER_OK},
         {"", {"About", "About"}, -1}},
        {"commands waiting behind a box keep their order: the second About, then Exit",
         {{MESSAGE_COMMAND, MENU_ABOUT},
          charA,
          {MESSAGE_COMMAND, MENU_ABOUT},
          {MESSAGE_COMMAND, MENU_EXIT}},
         {MSGBOX_ANSWER_OK, MSGBOX_ANSWER_OK},
         {"", {"About", "About"}, 5}},
        {"an unknown command does nothing", {{MESSAGE_COMMAND, 1234}}, {}, {"", {}, -1}},
    };
    for (const Case& c : cases) {
        const PumpedRun run = PumpAll(c.posted, c.answers);
        EXPECT_EQ(run.keyBuffer, c.expected.keyBuffer) << c.what;
        EXPECT_EQ(run.boxCaptions, c.expected.boxCaptions) << c.what;
        EXPECT_EQ(run.pumpsToQuit, c.expected.pumpsToQuit) << c.what;
    }
}

TEST(PageMessages, AFloodOfKeysNeverCrowdsOutTheQuitMessage) {
    StartFreshGame();
    ResetFake();
    ResetPageMessages();
    PostPageMessage(MESSAGE_COMMAND, MENU_EXIT);
    for (int i = 0; i < 5000; ++i) {
        PostPageMessage(MESSAGE_CHAR, 'x');
    }
    int pumps = 0;
    while (!PumpPageMessage()) {
        ASSERT_LT(++pumps, 5000) << "the quit message was lost";
    }
    EXPECT_EQ(std::string(KeyBuffer).size(), KEY_BUFFER_SIZE - 1u); // full, never past its end
}

// Pumps until the queue is empty; true when the quit message came.
bool PumpUntilEmpty() {
    for (int pump = 0; pump < 4096; ++pump) {
        if (PumpPageMessage()) {
            return true;
        }
    }
    return false;
}

TEST(PageMessages, AFloodLosesNoKeyUpSoAHeldCtrlIsReleased) {
    StartFreshGame();
    ResetFake();
    ResetPageMessages();
    ASSERT_TRUE(PostPageMessage(MESSAGE_KEYDOWN, VK_CTRL));
    int downsTaken = 0;
    for (int i = 0; i < 2000; ++i) {
        const unsigned key = VK_LETTER_A + i % 26;
        const bool downTaken = PostPageMessage(MESSAGE_KEYDOWN, key);
        PostPageMessage(MESSAGE_CHAR, 1 + i % 26); // Ctrl with a letter types a control code
        const bool upTaken = PostPageMessage(MESSAGE_KEYUP, key);
        EXPECT_TRUE(upTaken || !downTaken)
            << "stroke " << i << ": key-up dropped after its key-down";
        downsTaken += downTaken ? 1 : 0;
    }
    EXPECT_GT(downsTaken, 100);
    EXPECT_LT(downsTaken, 2000); // the flood did fill the queue
    EXPECT_EQ(PageKeyStrokeRoom(), 0);
    EXPECT_TRUE(PostPageMessage(MESSAGE_KEYUP, VK_CTRL));
    EXPECT_FALSE(PumpUntilEmpty());
    EXPECT_STREQ(KeyBuffer, "");

    // Ctrl is up again: the next letters are typed.
    for (const char c : std::string("bc")) {
        PostPageMessage(MESSAGE_KEYDOWN, VK_LETTER_A + (c - 'a'));
        PostPageMessage(MESSAGE_CHAR, static_cast<unsigned>(c));
        PostPageMessage(MESSAGE_KEYUP, VK_LETTER_A + (c - 'a'));
    }
    EXPECT_FALSE(PumpUntilEmpty());
    EXPECT_STREQ(KeyBuffer, "bc");
}

// The characters the queue still takes, taken; they fill it.
int PlacesLeft() {
    int places = 0;
    while (PostPageMessage(MESSAGE_CHAR, 'x')) {
        ++places;
    }
    return places;
}

TEST(PageMessages, KeepAPlaceForEveryKeyUpAndGiveItBackWhenTheKeyIsLetGo) {
    StartFreshGame();
    ResetFake();
    ResetPageMessages();
    const int places = PlacesLeft();
    ASSERT_GT(places, 2);
    // With one place left, a first key-down has none for its key-up.
    ResetPageMessages();
    for (int i = 0; i < places - 1; ++i) {
        PostPageMessage(MESSAGE_CHAR, 'x');
    }
    EXPECT_FALSE(PostPageMessage(MESSAGE_KEYDOWN, VK_LETTER_A));
    EXPECT_TRUE(PostPageMessage(MESSAGE_CHAR, 'y'));
    // Any code the page posts: a browser's keyCode & 0xFF is 0 for some keys.
    for (const unsigned key : {0u, unsigned{VK_LETTER_A}, 0xFFu}) {
        ResetPageMessages();
        PostPageMessage(MESSAGE_KEYDOWN, key);
        ReleasePageKeys();
        PumpPageMessage(); // the key-down
        PumpPageMessage(); // its key-up
        EXPECT_EQ(PlacesLeft(), places) << key;
    }
}

TEST(PageMessages, TakesExactlyTheKeyStrokesItSaysItHasRoomFor) {
    StartFreshGame();
    ResetFake();
    ResetPageMessages();
    const int room = PageKeyStrokeRoom();
    ASSERT_GT(room, 100);
    // A key-up whose key-down the queue never took is not the game's.
    EXPECT_FALSE(PostPageMessage(MESSAGE_KEYUP, VK_CTRL));
    EXPECT_EQ(PageKeyStrokeRoom(), room);
    for (int i = 0; i < room; ++i) {
        // Each stroke's key is new, so each needs its own key-up's place.
        const unsigned key = static_cast<unsigned>(i % 200);
        ASSERT_TRUE(PostPageMessage(MESSAGE_KEYDOWN, key)) << "stroke " << i;
        ASSERT_TRUE(PostPageMessage(MESSAGE_CHAR, 'x')) << "stroke " << i;
        ASSERT_TRUE(PostPageMessage(MESSAGE_KEYUP, key)) << "stroke " << i;
    }
    EXPECT_EQ(PageKeyStrokeRoom(), 0);
    // One more stroke does not fit whole; its key-up is still taken.
    PostPageMessage(MESSAGE_KEYDOWN, 250);
    EXPECT_FALSE(PostPageMessage(MESSAGE_CHAR, 'y'));
    EXPECT_EQ(PageKeyStrokeRoom(), 0); // not one place left
    EXPECT_TRUE(PostPageMessage(MESSAGE_KEYUP, 250));
    PumpPageMessage();
    PumpPageMessage();
    PumpPageMessage();
    EXPECT_EQ(PageKeyStrokeRoom(), 1);
}

TEST(PageAccessibility, TellsEachScreenOnceAndTheAnswerApart) {
    StartFreshGame();
    ResetFake();
    ResetAccessibleScreen();
    ShowFpsOverlay = true; // its counts change every frame and are never taken
    std::vector<unsigned char> pixels(624 * 421 * 4);
    // Whether the page's elements and its answer field are told anew after a frame.
    const auto frame = [&pixels] {
        const PageAccessibilityUpdate update =
            TakeAccessibleFrame(ComposeFrame(FakeDrawContext(), 624, 421, pixels.data()));
        return std::make_pair(update.elements, update.answer);
    };
    const auto names = [] {
        std::string joined;
        const AccessibleScreen& screen = CurrentAccessibleScreen();
        for (int i = 0; i < screen.count; ++i) {
            joined += std::string(i > 0 ? "|" : "") + AccessibleName(screen, i);
        }
        return joined;
    };
    EXPECT_EQ(frame(), std::make_pair(true, true));
    EXPECT_EQ(names(), "Welcome to Lorvan 2.0 - A Word Game|Hello user, what is your name?|"
                       "Hello user, what is your name?|Press 'Enter' to continue.");
    EXPECT_STREQ(AnswerFieldQuestion(), "Hello user, what is your name?");
    EXPECT_STREQ(AnswerFieldAnswer(), "");
    EXPECT_EQ(frame(), std::make_pair(false, false));
    // Typing changes the answer field alone, a character a frame.
    Type("Ann");
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(frame(), std::make_pair(false, true)) << i;
    }
    EXPECT_STREQ(AnswerFieldAnswer(), "Ann");
    EXPECT_EQ(frame(), std::make_pair(false, false));
    // An answer that reads like the overlay is still the player's.
    std::snprintf(TextBoxA.text, sizeof TextBoxA.text, "%s", "Frames drawn: 5");
    EXPECT_EQ(frame(), std::make_pair(false, true));
    EXPECT_STREQ(AnswerFieldAnswer(), "Frames drawn: 5");
    // The introduction is one sentence with the name after its "Hello".
    Type("\r");
    frame();
    EXPECT_EQ(frame(), std::make_pair(true, true));
    EXPECT_EQ(frame(), std::make_pair(false, false));
    EXPECT_EQ(names().rfind("Hello Frames drawn: 5,\nMy name is", 0), 0u);
    EXPECT_STREQ(AnswerFieldQuestion(), "");
    EXPECT_STREQ(AnswerFieldAnswer(), "");
    EXPECT_TRUE(
        TakeAccessibleFrame(ComposeFrameWith(nullptr, FakeDrawContext(), 624, 421, pixels.data()))
            .elements);
    EXPECT_EQ(names(), "");
    // The thinking screen's one element, its message, moves and later changes in
    // place: the page is told, so that its live region says the new message.
    ScreenIndex = Thinking;
    frame();
    Fake.tick += 4000;
    EXPECT_EQ(frame(), std::make_pair(true, false));
}

TEST(PageInputPending, LastsUntilTheScreenTookTheLastCharacter) {
    StartFreshGame();
    ResetPageMessages();
    std::vector<unsigned char> pixels(624 * 421 * 4);
    EXPECT_FALSE(PageInputPending());
    PostPageMessage(MESSAGE_CHAR, 'B');
    EXPECT_TRUE(PageInputPending()) << "one message waits";
    PostPageMessage(MESSAGE_CHAR, 'o');
    EXPECT_TRUE(PageInputPending());
    PumpPageMessage();
    PumpPageMessage();
    EXPECT_TRUE(PageInputPending()) << "two characters wait in the key buffer";
    ComposeFrame(FakeDrawContext(), 624, 421, pixels.data());
    EXPECT_TRUE(PageInputPending()) << "a frame takes one";
    ComposeFrame(FakeDrawContext(), 624, 421, pixels.data());
    EXPECT_FALSE(PageInputPending());
}

} // namespace
