#include "results/results_text.h"

#include <cstdio>

// Kept as literals so that the compiler checks every placeholder against its argument.
#define LORVAN_RESULTS_TEMPLATE                                                                    \
    "Here are your results:\n\nYou must inform %s people about me within %s days in order for "    \
    "your wish to come to pass!\n\nThe one that you LOVE is: %s\nThe one that you like but "       \
    "don't have a chance with is: %s\nThe person you care most about is: %s\nThe person that "     \
    "knows you FORWARDS and BACKWARDS is: %s\n%s is your BEST FRIEND\n'%s' is the movie that "     \
    "best describes: %s\nThe movie '%s' is for: %s\nThe movie '%s' tells you how you feel about "  \
    "LIFE.\nThe movie '%s' tells you most about your mind.\n\nHey %s, I hope you had GOOD LUCK "   \
    "!!! :)\nYour wish, \"%s\", will come true if you email your friends the web link to Lorvan "  \
    "the Word Game!\n"
#define LORVAN_RESULTS_SCREEN_FORMAT                                                               \
    "%s\nPress 'F1' to save your results. Press 'Escape' to quit.\nLink: %s"

const char ResultsTemplate[] = LORVAN_RESULTS_TEMPLATE;
char ResultsText[RESULTS_TEXT_SIZE];

namespace {

// Characters of a format that are not placeholders ("%s" each).
constexpr std::size_t FixedLength(std::size_t formatSize, std::size_t placeholders) {
    return formatSize - 1 - 2 * placeholders;
}

// Eight names (the one you love and the one you have no chance with are named
// twice), two numbers, four titles and the wish.
constexpr std::size_t LONGEST_RESULTS = FixedLength(sizeof LORVAN_RESULTS_TEMPLATE, 15) +
                                        8 * NAME_LENGTH_LIMIT + 2 * NUMBER_LENGTH_LIMIT +
                                        4 * TITLE_LENGTH_LIMIT + WISH_LENGTH_LIMIT;
constexpr std::size_t LONGEST_SCREEN_TEXT = FixedLength(sizeof LORVAN_RESULTS_SCREEN_FORMAT, 2) +
                                            LONGEST_RESULTS +
                                            (sizeof AppSettingsBlock().downloadLink - 1);

static_assert(LONGEST_RESULTS == RESULTS_TEXT_LONGEST, "longest results as the limits give them");
static_assert(LONGEST_SCREEN_TEXT == RESULTS_SCREEN_TEXT_LONGEST,
              "longest screen text as the limits and the link field give it");
static_assert(RESULTS_TEXT_LONGEST + 1 < RESULTS_TEXT_SIZE, "the longest results fit");
static_assert(RESULTS_SCREEN_TEXT_LONGEST + 1 < RESULTS_SCREEN_TEXT_SIZE,
              "the longest screen text fits");

} // namespace

void ComposeResultsText(const AnswerSet& answers, char* out, std::size_t size) {
    std::snprintf(out, size, LORVAN_RESULTS_TEMPLATE, answers.peopleCount, answers.dayCount,
                  answers.loveName, answers.noChanceName, answers.caresName, answers.knowsYouName,
                  answers.bestFriendName, answers.loveTitle, answers.loveName,
                  answers.noChanceTitle, answers.noChanceName, answers.lifeTitle, answers.mindTitle,
                  answers.userName, answers.wish);
}

void ComposeResultsScreenText(const char* resultsText, const char* downloadLink, char* out,
                              std::size_t size) {
    std::snprintf(out, size, LORVAN_RESULTS_SCREEN_FORMAT, resultsText, downloadLink);
}
