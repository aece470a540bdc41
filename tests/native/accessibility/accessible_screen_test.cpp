#include "accessibility/accessible_screen.h"
#include "tests/support/game_player.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// A node as one line: its role, its name, then " | " and its description when it
// has one, " = " and the value for the Edit; "*" before the focused node, "~"
// before a live one, and two spaces before a list's item.
std::vector<std::string> Lines(const AccessibleScreen& screen) {
    static const char* const ROLES[] = {"Text", "Edit", "List", "Item"};
    std::vector<std::string> lines;
    for (int i = 0; i < screen.count; ++i) {
        const AccessibleNode& node = screen.nodes[i];
        std::string line = node.parent >= 0 ? "  " : "";
        line += i == screen.focus ? "*" : "";
        line += node.live ? "~" : "";
        line += std::string(ROLES[static_cast<int>(node.role)]) + ": " + AccessibleName(screen, i);
        if (*AccessibleDescription(screen, i) != '\0') {
            line += std::string(" | ") + AccessibleDescription(screen, i);
        }
        if (i == screen.edit) {
            line += std::string(" = ") + screen.value;
        }
        lines.push_back(line);
    }
    return lines;
}

// What a reader is told after a frame, as one line.
std::string Told(const AccessibleChanges& changes) {
    std::string told;
    told += changes.elements ? "elements " : "";
    told += changes.focus ? "focus " : "";
    told += changes.value ? "value " : "";
    for (int i = 0; i < changes.liveCount; ++i) {
        told += "live" + std::to_string(changes.live[i]) + " ";
    }
    return told;
}

struct ScreenCase {
    const char* typed;         // typed on the screen before the model is read
    const char* toldWhenShown; // what the screen's first frame tells a reader
    // A question screen's prompt as a reader hears it: the screen then reads as
    // that text and the focused answer it names, holding what was typed.
    const char* question;
    std::vector<std::string> lines = {}; // the other screens' lines
};

// One game, screen by screen: every name written out as a reader hears it.
const ScreenCase GAME[] = {
    {"Robin",
     "elements focus ",
     nullptr,
     {"Text: Welcome to Lorvan 2.0 - A Word Game", "Text: Hello user, what is your name?",
      "*Edit: Hello user, what is your name? | Welcome to Lorvan 2.0 - A Word Game\n"
      "Press 'Enter' to continue. = Robin",
      "Text: Press 'Enter' to continue."}},
    {"",
     "elements live0 ",
     nullptr,
     {"~Text: Hello Robin,\nMy name is PROGRAM, COMPUTER PROGRAM.\nOk..lets get down to business. "
      "I am going to ask you for some names. Make sure you enter names you REALLY KNOW and go by "
      "your FIRST INSTINCTS.\nWell, let's get back to the game, we don't have all day. Follow the "
      "prompts and I won't lead you astray!\nPress 'Enter' to continue."}},
    {"12", "elements focus ",
     "Ok.....follow my instructions carefully!\nEnter the first number that comes to mind "
     "(1-20):\nPress 'Enter' to continue."},
    {"7", "elements focus ",
     "Enter the second number that comes to mind (1-20):\nPress 'Enter' to continue."},
    {"Alex", "elements focus ",
     "Enter the name of a person of the opposite gender.\nPress 'Enter to continue."},
    {"Sam", "elements focus ",
     "Enter a second name of a person of the opposite gender.\nPress 'Enter' to continue."},
    {"Kim", "elements focus ",
     "Enter anyone's name that is friend or family.\nName 1 of 3:\nPress 'Enter' to continue to "
     "2nd name."},
    {"Lee", "elements focus ",
     "Enter anyone's name that is friend or family.\nName 2 of 3:\nPress 'Enter' to continue to "
     "3rd name."},
    // The name's leading space starts a line of the results; a reader hears the line
    // without it.
    {" Max", "elements focus ",
     "Enter anyone's name that is friend or family.\nName 3 of 3:\nPress 'Enter' to continue."},
    {"Up", "elements focus ",
     "Enter four movie or TV titles (one at a time).\nMovie Title 1 of 4:\nPress 'Enter' to "
     "continue to 2nd movie title."},
    {"Jaws", "elements focus ",
     "Enter four movie or TV titles (one at a time).\nMovie Title 2 of 4:\nPress 'Enter' to "
     "continue to 3rd movie title."},
    {"Heat", "elements focus ",
     "Enter four movie or TV titles (one at a time).\nMovie Title 3 of 4:\nPress 'Enter' to "
     "continue to 4th movie title."},
    {"Big", "elements focus ",
     "Enter four movie or TV titles (one at a time).\nMovie Title 4 of 4:\nPress 'Enter' to "
     "continue."},
    {"a & pony", "elements focus ",
     "I now have enough data. I am ready for you to make a wish.\nEnter your wish here (55 "
     "letters max):\nPress 'Enter' to receive your results."},
    {"", "elements live0 ", nullptr, {"~Text: ...I AM THINKING..."}},
    {"",
     "elements focus ",
     nullptr,
     {"List: Your results", "  *Item: Here are your results:",
      "  Item: You must inform 7 people about me within 12 days in order for your wish to come to "
      "pass!",
      "  Item: The one that you LOVE is: Alex",
      "  Item: The one that you like but don't have a chance with is: Sam",
      "  Item: The person you care most about is: Kim",
      "  Item: The person that knows you FORWARDS and BACKWARDS is: Lee",
      "  Item: Max is your BEST FRIEND", "  Item: 'Up' is the movie that best describes: Alex",
      "  Item: The movie 'Heat' is for: Sam",
      "  Item: The movie 'Jaws' tells you how you feel about LIFE.",
      "  Item: The movie 'Big' tells you most about your mind.",
      "  Item: Hey Robin, I hope you had GOOD LUCK !!! :)",
      "  Item: Your wish, \"a & pony\", will come true if you email your friends the web link to "
      "Lorvan the Word Game!",
      "  Item: Press 'F1' to save your results. Press 'Escape' to quit.",
      "  Item: Link: lorvan.example/products/lorvan/lorvan_latest.zip"}},
};

std::vector<std::string> ExpectedLines(const ScreenCase& screen) {
    if (screen.question == nullptr) {
        return screen.lines;
    }
    return {std::string("Text: ") + screen.question,
            std::string("*Edit: ") + screen.question + " = " + screen.typed};
}

class AccessibleGame : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
        ResetAccessibleScreen();
        MeasureDrawnTexts(true);
    }
    void TearDown() override { MeasureDrawnTexts(false); }

    AccessibleChanges Frame() {
        const unsigned serial = CurrentAccessibleScreen().serial;
        PlayFrame(640, 480);
        const AccessibleChanges changes = UpdateAccessibleScreen(CurrentFrameReport());
        // Every text reported is the text as drawn, with no terminator inside it.
        EXPECT_EQ(std::strlen(CurrentFrameReport().texts), CurrentFrameReport().textsLength);
        // New elements, and only they, take a new serial; the focus is the window
        // (-1) or an element.
        const AccessibleScreen& now = CurrentAccessibleScreen();
        EXPECT_EQ(now.serial != serial, changes.elements);
        EXPECT_TRUE(now.focus == -1 || (now.focus >= 0 && now.focus < now.count)) << now.focus;
        return changes;
    }
};

TEST_F(AccessibleGame, EveryScreenReadsAsItShowsAndIsToldOnce) {
    for (const ScreenCase& screen : GAME) {
        const int shown = ScreenIndex;
        SCOPED_TRACE("screen " + std::to_string(shown));
        EXPECT_EQ(Told(Frame()), screen.toldWhenShown);
        EXPECT_EQ(Told(Frame()), ""); // the same screen again tells nothing
        for (const char* typed = screen.typed; *typed != '\0'; ++typed) {
            const char character[] = {*typed, '\0'};
            Type(character);
            EXPECT_EQ(Told(Frame()), "value ");
        }
        EXPECT_EQ(Lines(CurrentAccessibleScreen()), ExpectedLines(screen));

        // Every element lies inside the window; a list holds its lines.
        const AccessibleScreen& now = CurrentAccessibleScreen();
        for (int i = 0; i < now.count; ++i) {
            const PixelBox& box = now.nodes[i].bounds;
            EXPECT_TRUE(box.width > 0 && box.height > 0 && box.left >= 0 && box.top >= 0 &&
                        box.left + box.width <= 640 && box.top + box.height <= 480)
                << AccessibleName(now, i);
            const int parent = now.nodes[i].parent;
            if (parent >= 0) {
                EXPECT_EQ(UnionOf(now.nodes[parent].bounds, box), now.nodes[parent].bounds);
            } else {
                EXPECT_EQ(parent, -1) << AccessibleName(now, i); // the window's
            }
        }
        if (shown == Thinking) {
            Fake.tick += 4000; // the second message
            EXPECT_EQ(Told(Frame()), "live0 ");
            Fake.tick += 3000; // and on to the results
        } else if (shown != ShowResults) {
            Type("\r");
        }
        Frame();
        if (shown != ShowResults) {
            EXPECT_EQ(ScreenIndex, shown + 1);
        }
    }
}

TEST_F(AccessibleGame, ArrowKeysMoveThroughTheResultsLineByLine) {
    struct Step {
        int key;
        bool moves;
        int focus; // the line focused after it, from 1
    };
    const Step STEPS[] = {
        {ACCESSIBLE_KEY_UP, false, 1},    {ACCESSIBLE_KEY_DOWN, true, 2},
        {ACCESSIBLE_KEY_DOWN, true, 3},   {ACCESSIBLE_KEY_END, true, 15},
        {ACCESSIBLE_KEY_UP, true, 14},    {ACCESSIBLE_KEY_DOWN, true, 15},
        {ACCESSIBLE_KEY_DOWN, false, 15}, {0x41, false, 15}, // a letter moves nothing
        {ACCESSIBLE_KEY_HOME, true, 1},
    };
    EXPECT_FALSE(MoveAccessibleFocus(ACCESSIBLE_KEY_DOWN)); // no results yet
    ScreenIndex = ShowResults;
    Frame();
    for (const Step& step : STEPS) {
        EXPECT_EQ(MoveAccessibleFocus(step.key), step.moves) << step.key;
        EXPECT_EQ(Told(Frame()), ""); // the move was told as it happened, once
        EXPECT_EQ(CurrentAccessibleScreen().focus, step.focus) << step.key;
    }
}

TEST(AccessibleScreen, AnEditsDescriptionKeepsEveryTextOnItsOwnLineAndWhatDoesNotFitIsCut) {
    // After "Go" (offset 1, 3 bytes with its terminator), a question longer than the
    // model holds fills it to its last byte; its description, which follows, is empty.
    const std::string tooLong(ACCESSIBLE_STRINGS_SIZE, 'Q');
    const struct {
        std::vector<const char*> texts;
        const char* question;
        std::string name;
        const char* description;
    } cases[] = {
        // A one-character text first: the next one still starts a line of its own.
        {{"?", "Your name:", "Go"}, "Your name:", "Your name:", "?\nGo"},
        {{"Go"}, tooLong.c_str(), tooLong.substr(0, ACCESSIBLE_STRINGS_SIZE - 5), ""},
    };
    for (const auto& c : cases) {
        ResetAccessibleScreen();
        MeasureDrawnTexts(true);
        StartFrameReport(0);
        const PixelBox box = {10, 10, 100, 20};
        for (const char* text : c.texts) {
            ReportDrawnText(text, static_cast<int>(std::strlen(text)), box);
        }
        ReportAnswerBox(box, c.question);
        UpdateAccessibleScreen(CurrentFrameReport());
        MeasureDrawnTexts(false);
        const AccessibleScreen& screen = CurrentAccessibleScreen();
        ASSERT_GE(screen.edit, 0);
        EXPECT_EQ(AccessibleName(screen, screen.edit), c.name);
        EXPECT_STREQ(AccessibleDescription(screen, screen.edit), c.description);
    }
}

} // namespace
