// Screens 9 to 13: four movie or TV titles, then the wish.
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "render/text_box.h"
#include "screens/default_answers.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/text_entry.h"

#include <cstddef>

namespace {

struct TitleWishQuestion {
    const char* prompt;
    char* answer;
    std::size_t answerSize;
    int lengthLimit;
    const char* const* defaults;
    int boxTop; // base units
};

// The question a screen index stands for: 9 to 12 are the titles, every other
// value the wish (the last entry).
const TitleWishQuestion& QuestionFor(int screen) {
    static const TitleWishQuestion questions[] = {
        {"\nEnter four movie or TV titles (one at a time).\n\n\nMovie Title 1 of 4:\n\n\nPress "
         "'Enter' to continue to 2nd movie title.",
         Answers.loveTitle, sizeof Answers.loveTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults, 175},
        {"\nEnter four movie or TV titles (one at a time).\n\n\n\n\nMovie Title 2 of 4:\n\n\nPress "
         "'Enter' to continue to 3rd movie title.",
         Answers.lifeTitle, sizeof Answers.lifeTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults, 225},
        {"\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\nMovie Title 3 of "
         "4:\n\n\nPress 'Enter' to continue to 4th movie title.",
         Answers.noChanceTitle, sizeof Answers.noChanceTitle, TITLE_LENGTH_LIMIT,
         MovieTitleDefaults, 275},
        {"\nEnter four movie or TV titles (one at a time).\n\n\n\n\n\n\n\n\nMovie Title 4 of "
         "4:\n\nPress 'Enter' to continue.",
         Answers.mindTitle, sizeof Answers.mindTitle, TITLE_LENGTH_LIMIT, MovieTitleDefaults, 325},
        {"\nI now have enough data. I am ready for you to make a wish.\n\nEnter your wish here (55 "
         "letters max):\n\n\nPress 'Enter' to receive your results.",
         Answers.wish, sizeof Answers.wish, WISH_LENGTH_LIMIT, WishDefaults, 175},
    };
    static_assert(sizeof questions / sizeof questions[0] == AskWish - AskTitle1 + 1,
                  "one question per screen");
    if (screen >= AskTitle1 && screen <= AskTitle4) {
        return questions[screen - AskTitle1];
    }
    return questions[AskWish - AskTitle1];
}

int TitleWishBoxTop(int screen) {
    return QuestionFor(screen).boxTop;
}

} // namespace

void RenderTitleWishScreen(DrawContext dc, int left, int top, int right, int bottom,
                           unsigned char* pixels) {
    // The question, its answer and its limit are those of the screen the key is
    // applied on; the box is then placed for the screen that key left the game on.
    const TitleWishQuestion& question = QuestionFor(ScreenIndex);
    const TextEntryRule rule = {EntryKind::Text,
                                question.lengthLimit,
                                question.answer,
                                question.answerSize,
                                question.defaults,
                                DEFAULT_ANSWER_COUNT,
                                true};
    RenderTextQuestionFrame(dc, left, top, right, bottom, pixels, question.prompt,
                            AppSettings.titleScreensFirstFrame, rule, TitleWishBoxTop);
}
