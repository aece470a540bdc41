#include "screens/question_table.h"

#include "screens/default_answers.h"

namespace {

struct Row {
    int screen;
    QuestionScreen question;
};

// The prompts are the game's own, the love name's stray quote included.
const Row ROWS[] = {
    {AskName,
     {"Hello user, what is your name?", Answers.userName, sizeof Answers.userName,
      NAME_LENGTH_LIMIT, EntryKind::Text, PlayerNameDefaults, false, 205,
      &AppSettingsBlock::nameScreenFirstFrame}},
    {AskFirstNumber,
     {"Ok.....follow my instructions carefully!\n\n\n\nEnter the first number that comes to "
      "mind (1-20): \n\n\n\n\n\nPress 'Enter' to continue.",
      Answers.dayCount, sizeof Answers.dayCount, NUMBER_LENGTH_LIMIT, EntryKind::Number, nullptr,
      true, 175, &AppSettingsBlock::numberScreensFirstFrame}},
    {AskSecondNumber,
     {"\n\n\n\n\n\nEnter the second number that comes to mind (1-20): \n\n\n\n\nPress 'Enter' "
      "to continue.",
      Answers.peopleCount, sizeof Answers.peopleCount, NUMBER_LENGTH_LIMIT, EntryKind::Number,
      nullptr, true, 225, &AppSettingsBlock::numberScreensFirstFrame}},
    {AskLoveName,
     {"\n\n\n\nEnter the name of a person of the opposite gender.\n\n\n\nPress 'Enter to "
      "continue.",
      Answers.loveName, sizeof Answers.loveName, NAME_LENGTH_LIMIT, EntryKind::Text,
      OppositeNameDefaults, true, 175, &AppSettingsBlock::oppositeNameScreensFirstFrame}},
    {AskNoChanceName,
     {"\n\n\n\n\n\nEnter a second name of a person of the opposite gender.\n\n\nPress 'Enter' "
      "to continue.",
      Answers.noChanceName, sizeof Answers.noChanceName, NAME_LENGTH_LIMIT, EntryKind::Text,
      OppositeNameDefaults, true, 225, &AppSettingsBlock::oppositeNameScreensFirstFrame}},
    {AskFriendName1,
     {"\nEnter anyone's name that is friend or family.\n\n\nName 1 of 3:\n\n\nPress 'Enter' to "
      "continue to 2nd name.",
      Answers.caresName, sizeof Answers.caresName, NAME_LENGTH_LIMIT, EntryKind::Text,
      FriendNameDefaults, true, 175, &AppSettingsBlock::friendScreensFirstFrame}},
    {AskFriendName2,
     {"\nEnter anyone's name that is friend or family.\n\n\n\n\nName 2 of 3:\n\n\nPress 'Enter' "
      "to continue to 3rd name.",
      Answers.knowsYouName, sizeof Answers.knowsYouName, NAME_LENGTH_LIMIT, EntryKind::Text,
      FriendNameDefaults, true, 225, &AppSettingsBlock::friendScreensFirstFrame}},
    {AskFriendName3,
     {"\nEnter anyone's name that is friend or family.\n\n\n\n\n\n\nName 3 of 3:\n\n\nPress "
      "'Enter' to continue.",
      Answers.bestFriendName, sizeof Answers.bestFriendName, NAME_LENGTH_LIMIT, EntryKind::Text,
      FriendNameDefaults, true, 275, &AppSettingsBlock::friendScreensFirstFrame}},
    {AskTitle1,
     {"\nEnter four movie or TV titles (one at a time).\n\n\nMovie Title 1 of 4:\n\n\nPress "
      "'Enter' to continue to 2nd movie title.",
      Answers.loveTitle, sizeof Answers.loveTitle, TITLE_LENGTH_LIMIT, EntryKind::Text,
      MovieTitleDefaults, true, 175, &AppSettingsBlock::titleScreensFirstFrame}},
    {AskTitle2,
     {"\nEnter four movie or TV titles (one at a time).\n\n\n\n\nMovie Title 2 of 4:\n\n\nPress "
      "'Enter' to continue to 3rd movie title.",
      Answers.lifeTitle, sizeof Answers.lifeTitle, TITLE_LENGTH_LIMIT, EntryKind::Text,
      MovieTitleDefaults, true, 225, &AppSettingsBlock::titleScreensFirstFrame}},
    {AskTitle3,
     {"\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\nMovie Title 3 of "
      "4:\n\n\nPress 'Enter' to continue to 4th movie title.",
      Answers.noChanceTitle, sizeof Answers.noChanceTitle, TITLE_LENGTH_LIMIT, EntryKind::Text,
      MovieTitleDefaults, true, 275, &AppSettingsBlock::titleScreensFirstFrame}},
    {AskTitle4,
     {"\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\n\n\nMovie Title 4 of "
      "4:\n\nPress 'Enter' to continue.",
      Answers.mindTitle, sizeof Answers.mindTitle, TITLE_LENGTH_LIMIT, EntryKind::Text,
      MovieTitleDefaults, true, 325, &AppSettingsBlock::titleScreensFirstFrame}},
    {AskWish,
     {"\nI now have enough data. I am ready for you to make a wish.\n\nEnter your wish here (55 "
      "letters max):\n\n\nPress 'Enter' to receive your results.",
      Answers.wish, sizeof Answers.wish, WISH_LENGTH_LIMIT, EntryKind::Text, WishDefaults, true,
      175, &AppSettingsBlock::titleScreensFirstFrame}},
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

TextEntryRule EntryRuleOf(const QuestionScreen& question) {
    const bool number = question.kind == EntryKind::Number;
    return TextEntryRule{question.kind,           question.lengthLimit,
                         question.answer,         question.answerSize,
                         question.defaults,       number ? 0 : DEFAULT_ANSWER_COUNT,
                         question.emptyAfterStore};
}

int BoxTopAfterKey(const QuestionScreen& asked) {
    const QuestionScreen* now = QuestionScreenFor(ScreenIndex);
    return now != nullptr && now->firstFrame == asked.firstFrame ? now->boxTop : asked.boxTop;
}
