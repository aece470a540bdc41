// Screens 4 to 8: two people of the opposite gender, then three friends or family.
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "render/text_box.h"
#include "screens/default_answers.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/text_entry.h"

namespace {

const char LOVE_NAME_PROMPT[] =
    "\n\n\n\nEnter the name of a person of the opposite gender.\n\n\n\nPress 'Enter to continue.";
const char NO_CHANCE_NAME_PROMPT[] =
    "\n\n\n\n\n\nEnter a second name of a person of the opposite gender.\n\n\nPress 'Enter' to "
    "continue.";
const char FRIEND_NAME_PROMPTS[3][128] = {
    "\nEnter anyone's name that is friend or family.\n\n\nName 1 of 3:\n\n\nPress 'Enter' to "
    "continue to 2nd name.",
    "\nEnter anyone's name that is friend or family.\n\n\n\n\nName 2 of 3:\n\n\nPress 'Enter' to "
    "continue to 3rd name.",
    "\nEnter anyone's name that is friend or family.\n\n\n\n\n\n\nName 3 of 3:\n\n\nPress 'Enter' "
    "to continue.",
};

// Index of the friend question (0 to 2) a screen index stands for; screens past
// the second friend count as the third.
int FriendQuestion(int screen) {
    if (screen == AskFriendName1) {
        return 0;
    }
    if (screen == AskFriendName2) {
        return 1;
    }
    return 2;
}

int OppositeNameBoxTop(int screen) {
    return screen == AskLoveName ? 175 : 225;
}

int FriendNameBoxTop(int screen) {
    static const int tops[3] = {175, 225, 275};
    return tops[FriendQuestion(screen)];
}

} // namespace

void RenderOppositeNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                              unsigned char* pixels) {
    const bool love = ScreenIndex == AskLoveName;
    const TextEntryRule rule =
        love ? TextAnswerRule(NAME_LENGTH_LIMIT, Answers.loveName, OppositeNameDefaults, true)
             : TextAnswerRule(NAME_LENGTH_LIMIT, Answers.noChanceName, OppositeNameDefaults, true);
    RenderTextQuestionFrame(dc, left, top, right, bottom, pixels,
                            love ? LOVE_NAME_PROMPT : NO_CHANCE_NAME_PROMPT,
                            AppSettings.oppositeNameScreensFirstFrame, rule, OppositeNameBoxTop);
}

void RenderFriendNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                            unsigned char* pixels) {
    const int question = FriendQuestion(ScreenIndex);
    char* const answers[3] = {Answers.caresName, Answers.knowsYouName, Answers.bestFriendName};
    TextEntryRule rule =
        TextAnswerRule(NAME_LENGTH_LIMIT, Answers.caresName, FriendNameDefaults, true);
    rule.destination = answers[question];
    static_assert(sizeof Answers.caresName == sizeof Answers.knowsYouName &&
                      sizeof Answers.caresName == sizeof Answers.bestFriendName,
                  "the friends' answers share one size");
    RenderTextQuestionFrame(dc, left, top, right, bottom, pixels, FRIEND_NAME_PROMPTS[question],
                            AppSettings.friendScreensFirstFrame, rule, FriendNameBoxTop);
}
