#include "tests/fuzz/game_invariants.h"

#include "accessibility/accessible_screen.h"
#include "render/text_box.h"
#include "results/results_text.h"
#include "tests/support/fake_platform.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Broken(const char* what, const char* detail) {
    std::fprintf(stderr, "game invariant broken: %s (%s), screen %d\n", what, detail, ScreenIndex);
    std::abort();
}

void Require(bool holds, const char* what, const char* detail = "") {
    if (!holds) {
        Broken(what, detail);
    }
}

// The length of a string that must be terminated inside its array.
std::size_t TerminatedLength(const char* text, std::size_t capacity, const char* what) {
    const void* end = std::memchr(text, '\0', capacity);
    Require(end != nullptr, "string not terminated inside its array", what);
    return static_cast<std::size_t>(static_cast<const char*>(end) - text);
}

struct AnswerField {
    const char* name;
    char* (*field)(AnswerSet&);
    std::size_t capacity;
    int screen; // the screen that fills it
    std::size_t limit;
    bool digitsOnly;
};

#define LORVAN_ANSWER(member, screen, limit, digits)                                               \
    {                                                                                              \
#member, [](AnswerSet & a) -> char* { return a.member; }, sizeof(AnswerSet::member),       \
                                                               screen, limit, digits               \
    }

const AnswerField ANSWER_FIELDS[] = {
    LORVAN_ANSWER(userName, AskName, NAME_LENGTH_LIMIT, false),
    LORVAN_ANSWER(dayCount, AskFirstNumber, NUMBER_LENGTH_LIMIT, true),
    LORVAN_ANSWER(peopleCount, AskSecondNumber, NUMBER_LENGTH_LIMIT, true),
    LORVAN_ANSWER(loveName, AskLoveName, NAME_LENGTH_LIMIT, false),
    LORVAN_ANSWER(noChanceName, AskNoChanceName, NAME_LENGTH_LIMIT, false),
    LORVAN_ANSWER(caresName, AskFriendName1, NAME_LENGTH_LIMIT, false),
    LORVAN_ANSWER(knowsYouName, AskFriendName2, NAME_LENGTH_LIMIT, false),
    LORVAN_ANSWER(bestFriendName, AskFriendName3, NAME_LENGTH_LIMIT, false),
    LORVAN_ANSWER(loveTitle, AskTitle1, TITLE_LENGTH_LIMIT, false),
    LORVAN_ANSWER(lifeTitle, AskTitle2, TITLE_LENGTH_LIMIT, false),
    LORVAN_ANSWER(noChanceTitle, AskTitle3, TITLE_LENGTH_LIMIT, false),
    LORVAN_ANSWER(mindTitle, AskTitle4, TITLE_LENGTH_LIMIT, false),
    LORVAN_ANSWER(wish, AskWish, WISH_LENGTH_LIMIT, false),
};

#undef LORVAN_ANSWER

bool IsPrintable(char c) {
    return c >= 32 && c <= 126;
}

void CheckAnswers(AnswerSet& before) {
    for (const AnswerField& f : ANSWER_FIELDS) {
        const char* now = f.field(Answers);
        const std::size_t length = TerminatedLength(now, f.capacity, f.name);
        Require(length <= f.limit, "answer longer than its question accepts", f.name);
        // An answer is stored exactly when its screen is left, and never empty.
        Require((length > 0) == (ScreenIndex > f.screen), "answer stored out of turn", f.name);
        for (std::size_t i = 0; i < length; ++i) {
            Require(f.digitsOnly ? (now[i] >= '0' && now[i] <= '9') : IsPrintable(now[i]),
                    "answer holds a character its question refuses", f.name);
        }
        if (f.digitsOnly && length > 0) {
            const int value = std::atoi(now);
            Require(value >= 1 && value <= 20, "number outside 1 to 20", f.name);
        }
        const char* earlier = f.field(before);
        if (earlier[0] != '\0') {
            Require(std::strcmp(earlier, now) == 0, "answer changed after it was stored", f.name);
        }
    }
}

// The longest text the shared box may hold on the current screen. Screen 1 still
// shows nothing of it, but keeps the name from screen 0.
std::size_t TextBoxALimit() {
    if (ScreenIndex <= AskFriendName3) {
        return NAME_LENGTH_LIMIT;
    }
    if (ScreenIndex <= AskTitle4) {
        return TITLE_LENGTH_LIMIT;
    }
    return WISH_LENGTH_LIMIT;
}

void CheckTextBoxes() {
    const std::size_t a = TerminatedLength(TextBoxA.text, sizeof TextBoxA.text, "TextBoxA");
    Require(a <= TextBoxALimit(), "text box A over its screen's limit");
    for (std::size_t i = 0; i < a; ++i) {
        Require(IsPrintable(TextBoxA.text[i]), "text box A holds an unprintable character");
    }
    const std::size_t b = TerminatedLength(TextBoxB.text, sizeof TextBoxB.text, "TextBoxB");
    Require(b <= NUMBER_LENGTH_LIMIT, "number box over two digits");
    for (std::size_t i = 0; i < b; ++i) {
        Require(TextBoxB.text[i] >= '0' && TextBoxB.text[i] <= '9', "number box holds a non-digit");
    }
}

void CheckFonts() {
    Require(LiveFontCount() == 0, "a font made in the frame was not deleted");
    Require(Fake.fontsDeletedWhileSelected == 0, "a font was deleted while still selected");
    Require(Fake.selectedFont == 0, "the context's own font was not selected back");
}

// The results built piece by piece from the answers, independently of the format
// the game fills in.
std::string ExpectedResults() {
    const AnswerSet& a = Answers;
    std::string text = "Here are your results:\n\nYou must inform ";
    text += a.peopleCount;
    text += " people about me within ";
    text += a.dayCount;
    text += " days in order for your wish to come to pass!\n\nThe one that you LOVE is: ";
    text += a.loveName;
    text += "\nThe one that you like but don't have a chance with is: ";
    text += a.noChanceName;
    text += "\nThe person you care most about is: ";
    text += a.caresName;
    text += "\nThe person that knows you FORWARDS and BACKWARDS is: ";
    text += a.knowsYouName;
    text += "\n";
    text += a.bestFriendName;
    text += " is your BEST FRIEND\n'";
    text += a.loveTitle;
    text += "' is the movie that best describes: ";
    text += a.loveName;
    text += "\nThe movie '";
    text += a.noChanceTitle;
    text += "' is for: ";
    text += a.noChanceName;
    text += "\nThe movie '";
    text += a.lifeTitle;
    text += "' tells you how you feel about LIFE.\nThe movie '";
    text += a.mindTitle;
    text += "' tells you most about your mind.\n\nHey ";
    text += a.userName;
    text += ", I hope you had GOOD LUCK !!! :)\nYour wish, \"";
    text += a.wish;
    text += "\", will come true if you email your friends the web link to Lorvan the Word Game!\n";
    return text;
}

void CheckResults(bool drawn, bool saveAsked) {
    const std::size_t length = TerminatedLength(ResultsText, sizeof ResultsText, "ResultsText");
    Require(length <= RESULTS_TEXT_LONGEST, "results longer than the answers allow");
    if (!drawn) {
        return;
    }
    Require(ExpectedResults() == ResultsText, "results differ from the answers filled in");

    // A save asked for is tried once, and its box tells the truth about it.
    std::vector<FakeCall> writes = CallsOf(FakeCallKind::WriteFile);
    std::vector<FakeCall> boxes = CallsOf(FakeCallKind::MessageBox);
    Require(writes.size() == (saveAsked ? 1u : 0u), "a save was not tried exactly once");
    if (!saveAsked) {
        return;
    }
    Require(boxes.size() == 1, "a save did not tell the player its outcome");
    const bool written = Fake.scriptedFileResult == FILE_WRITTEN;
    Require(boxes[0].caption == (written ? "Results Saved" : "Error"),
            "the save's box does not match its outcome", boxes[0].caption.c_str());
}

// The accessible screen of the frame drawn holds together: every name inside its
// store, a ListItem under a List, the focus on the Edit or a ListItem, an Edit
// exactly while the screen shows a text box, holding its answer.
void CheckAccessibleScreen(int screenDrawn) {
    const AccessibleScreen& screen = CurrentAccessibleScreen();
    Require(screen.screen == screenDrawn, "accessible screen of another screen");
    Require(screen.count >= 0 && screen.count <= ACCESSIBLE_NODES_MAX, "node count");
    TerminatedLength(screen.strings, sizeof screen.strings, "names");
    for (int i = 0; i < screen.count; ++i) {
        const AccessibleNode& node = screen.nodes[i];
        Require(node.name >= 0 && node.name < static_cast<int>(sizeof screen.strings) &&
                    node.description >= 0 &&
                    node.description < static_cast<int>(sizeof screen.strings),
                "name outside the store");
        TerminatedLength(AccessibleName(screen, i), sizeof screen.strings - node.name, "name");
        const bool item = node.role == AccessibleRole::ListItem;
        Require(item == (node.parent >= 0), "only a list's items have a parent");
        Require(!item ||
                    (node.parent < i && screen.nodes[node.parent].role == AccessibleRole::List),
                "a list item outside a list");
    }
    const bool asks = screenDrawn != Introduction && screenDrawn < Thinking;
    Require((screen.edit >= 0) == asks, "an answer field exactly on a question screen");
    Require(screen.focus == screen.edit ||
                (screen.focus >= 0 && screen.focus < screen.count &&
                 screen.nodes[screen.focus].role == AccessibleRole::ListItem),
            "the focus on neither the answer nor a line of the results");
    const TextBox& box =
        screenDrawn == AskFirstNumber || screenDrawn == AskSecondNumber ? TextBoxB : TextBoxA;
    Require(!asks || std::strcmp(screen.value, box.text) == 0, "the answer field's value");
}

} // namespace

void GameObserver::Start() {
    screenBefore = ScreenIndex;
    answersBefore = Answers;
}

void GameObserver::BeforeFrame() {
    screenBefore = ScreenIndex;
}

void GameObserver::AfterFrame(bool drawn, bool saveAsked) {
    Require(ScreenIndex >= AskName && ScreenIndex <= ShowResults, "screen outside 0 to 15");
    Require(ScreenIndex == screenBefore || ScreenIndex == screenBefore + 1,
            "screen moved other than by one");
    TerminatedLength(KeyBuffer, sizeof KeyBuffer, "KeyBuffer");
    CheckAnswers(answersBefore);
    CheckTextBoxes();
    CheckFonts();
    if (drawn) {
        CheckAccessibleScreen(screenBefore);
    }
    if (screenBefore == ShowResults) {
        CheckResults(drawn, saveAsked);
    }
    answersBefore = Answers;
}
