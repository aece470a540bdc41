#include "screens/question_table.h"

#include "render/text_box.h"
#include "screens/default_answers.h"

#include <cstddef>

namespace {

struct Row {
    int screen;
    QuestionScreen question;
};

// The name stays in its box once stored; every later answer empties the box for
// the next question.
constexpr bool KEPT_AFTER_STORE = false;
constexpr bool EMPTIED_AFTER_STORE = true;

template <std::size_t N>
constexpr TextEntryRule TextAnswer(char (&answer)[N], int lengthLimit, const char* const* defaults,
                                   bool emptyAfterStore = EMPTIED_AFTER_STORE) {
    return {EntryKind::Text, lengthLimit,          answer,         N,
            defaults,        DEFAULT_ANSWER_COUNT, emptyAfterStore};
}

// Numbers offer a random valid number on an empty Enter rather than a default.
template <std::size_t N> constexpr TextEntryRule NumberAnswer(char (&answer)[N]) {
    return {EntryKind::Number, NUMBER_LENGTH_LIMIT, answer, N, nullptr, 0, EMPTIED_AFTER_STORE};
}

const QuestionRoutine NAME_ROUTINE = {&AppSettingsBlock::nameScreenFirstFrame, &TextBoxA,
                                      PrepareEntryBox};
const QuestionRoutine NUMBERS_ROUTINE = {&AppSettingsBlock::numberScreensFirstFrame, &TextBoxB,
                                         PrepareNumberBox};
const QuestionRoutine OPPOSITE_NAMES_ROUTINE = {&AppSettingsBlock::oppositeNameScreensFirstFrame,
                                                &TextBoxA, PrepareEntryBox};
const QuestionRoutine FRIENDS_ROUTINE = {&AppSettingsBlock::friendScreensFirstFrame, &TextBoxA,
                                         PrepareEntryBox};
const QuestionRoutine TITLES_WISH_ROUTINE = {&AppSettingsBlock::titleScreensFirstFrame, &TextBoxA,
                                             PrepareEntryBox};

// The prompts are the game's own, the love name's stray quote included.
const Row ROWS[] = {
    {AskName,
     {&NAME_ROUTINE, 205, "Hello user, what is your name?",
      TextAnswer(Answers.userName, NAME_LENGTH_LIMIT, PlayerNameDefaults, KEPT_AFTER_STORE)}},
    {AskFirstNumber,
     {&NUMBERS_ROUTINE, 175,
      "Ok.....follow my instructions carefully!\n\n\n\nEnter the first number that comes to "
      "mind (1-20): \n\n\n\n\n\nPress 'Enter' to continue.",
      NumberAnswer(Answers.dayCount)}},
    {AskSecondNumber,
     {&NUMBERS_ROUTINE, 225,
      "\n\n\n\n\n\nEnter the second number that comes to mind (1-20): \n\n\n\n\nPress 'Enter' "
      "to continue.",
      NumberAnswer(Answers.peopleCount)}},
    {AskLoveName,
     {&OPPOSITE_NAMES_ROUTINE, 175,
      "\n\n\n\nEnter the name of a person of the opposite gender.\n\n\n\nPress 'Enter to "
      "continue.",
      TextAnswer(Answers.loveName, NAME_LENGTH_LIMIT, OppositeNameDefaults)}},
    {AskNoChanceName,
     {&OPPOSITE_NAMES_ROUTINE, 225,
      "\n\n\n\n\n\nEnter a second name of a person of the opposite gender.\n\n\nPress 'Enter' "
      "to continue.",
      TextAnswer(Answers.noChanceName, NAME_LENGTH_LIMIT, OppositeNameDefaults)}},
    {AskFriendName1,
     {&FRIENDS_ROUTINE, 175,
      "\nEnter anyone's name that is friend or family.\n\n\nName 1 of 3:\n\n\nPress 'Enter' to "
      "continue to 2nd name.",
      TextAnswer(Answers.caresName, NAME_LENGTH_LIMIT, FriendNameDefaults)}},
    {AskFriendName2,
     {&FRIENDS_ROUTINE, 225,
      "\nEnter anyone's name that is friend or family.\n\n\n\n\nName 2 of 3:\n\n\nPress 'Enter' "
      "to continue to 3rd name.",
      TextAnswer(Answers.knowsYouName, NAME_LENGTH_LIMIT, FriendNameDefaults)}},
    {AskFriendName3,
     {&FRIENDS_ROUTINE, 275,
      "\nEnter anyone's name that is friend or family.\n\n\n\n\n\n\nName 3 of 3:\n\n\nPress "
      "'Enter' to continue.",
      TextAnswer(Answers.bestFriendName, NAME_LENGTH_LIMIT, FriendNameDefaults)}},
    {AskTitle1,
     {&TITLES_WISH_ROUTINE, 175,
      "\nEnter four movie or TV titles (one at a time).\n\n\nMovie Title 1 of 4:\n\n\nPress "
      "'Enter' to continue to 2nd movie title.",
      TextAnswer(Answers.loveTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults)}},
    {AskTitle2,
     {&TITLES_WISH_ROUTINE, 225,
      "\nEnter four movie or TV titles (one at a time).\n\n\n\n\nMovie Title 2 of 4:\n\n\nPress "
      "'Enter' to continue to 3rd movie title.",
      TextAnswer(Answers.lifeTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults)}},
    {AskTitle3,
     {&TITLES_WISH_ROUTINE, 275,
      "\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\nMovie Title 3 of "
      "4:\n\n\nPress 'Enter' to continue to 4th movie title.",
      TextAnswer(Answers.noChanceTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults)}},
    {AskTitle4,
     {&TITLES_WISH_ROUTINE, 325,
      "\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\n\n\nMovie Title 4 of "
      "4:\n\nPress 'Enter' to continue.",
      TextAnswer(Answers.mindTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults)}},
    {AskWish,
     {&TITLES_WISH_ROUTINE, 175,
      "\nI now have enough data. I am ready for you to make a wish.\n\nEnter your wish here (55 "
      "letters max):\n\n\nPress 'Enter' to receive your results.",
      TextAnswer(Answers.wish, WISH_LENGTH_LIMIT, WishDefaults)}},
};

} // namespace

const QuestionScreen* QuestionScreenFor(int screen) {
    for (const Row& row : ROWS) {
        if (row.screen == screen) {
            return &row.question;
        }
    }
    return nullptr;
}

const QuestionScreen& CurrentQuestionOfRoutine(int screenOfRoutine) {
    const QuestionRoutine* routine = QuestionScreenFor(screenOfRoutine)->routine;
    const QuestionScreen* shown = nullptr;
    for (const Row& row : ROWS) {
        if (row.question.routine == routine) {
            shown = &row.question;
            if (row.screen == ScreenIndex) {
                break;
            }
        }
    }
    return *shown;
}

int BoxTopAfterKey(const QuestionScreen& asked) {
    const QuestionScreen* now = QuestionScreenFor(ScreenIndex);
    return now != nullptr && now->routine == asked.routine ? now->boxTop : asked.boxTop;
}
