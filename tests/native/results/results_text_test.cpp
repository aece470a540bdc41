#include "app/game_state.h"
#include "results/results_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string Compose(const AnswerSet& answers) {
    char text[RESULTS_TEXT_SIZE];
    ComposeResultsText(answers, text, sizeof text);
    return text;
}

AnswerSet OrdinaryAnswers() {
    // In the order the screens ask them: the name, the two numbers, the two people,
    // the three friends, the four titles and the wish.
    return AnswerSet{"Robin",       "7",          "12",           "Alex",      "Sam",
                     "Mum",         "Dad",        "Kim",          "Title One", "Title Two",
                     "Title Three", "Title Four", "a red bicycle"};
}

TEST(ResultsText, PutsEveryAnswerInItsPlace) {
    // The second number is the people, the first the days; the first two names are
    // used twice; the titles follow the sentences, not the order they were asked in.
    const std::string expected =
        "Here are your results:\n"
        "\n"
        "You must inform 12 people about me within 7 days in order for your wish to come to "
        "pass!\n"
        "\n"
        "The one that you LOVE is: Alex\n"
        "The one that you like but don't have a chance with is: Sam\n"
        "The person you care most about is: Mum\n"
        "The person that knows you FORWARDS and BACKWARDS is: Dad\n"
        "Kim is your BEST FRIEND\n"
        "'Title One' is the movie that best describes: Alex\n"
        "The movie 'Title Three' is for: Sam\n"
        "The movie 'Title Two' tells you how you feel about LIFE.\n"
        "The movie 'Title Four' tells you most about your mind.\n"
        "\n"
        "Hey Robin, I hope you had GOOD LUCK !!! :)\n"
        "Your wish, \"a red bicycle\", will come true if you email your friends the web link "
        "to Lorvan the Word Game!\n";
    EXPECT_EQ(Compose(OrdinaryAnswers()), expected);
}

TEST(ResultsText, KeepsPercentSignsAndAmpersandsAsTyped) {
    AnswerSet a = OrdinaryAnswers();
    std::strcpy(a.userName, "100%s sure %d%n");
    std::strcpy(a.wish, "Tom & Jerry && 50%");
    const std::string text = Compose(a);
    EXPECT_NE(text.find("Hey 100%s sure %d%n, I hope"), std::string::npos);
    EXPECT_NE(text.find("Your wish, \"Tom & Jerry && 50%\", will"), std::string::npos);
}

std::string Filled(char letter, int length) {
    return std::string(static_cast<std::size_t>(length), letter);
}

TEST(ResultsText, HoldsTheLongestAnswersOfEveryFieldWhole) {
    struct Field {
        char* answer;
        int limit;
        char letter;
    };
    AnswerSet a;
    const Field fields[] = {
        {a.userName, NAME_LENGTH_LIMIT, 'u'},       {a.dayCount, NUMBER_LENGTH_LIMIT, '1'},
        {a.peopleCount, NUMBER_LENGTH_LIMIT, '2'},  {a.loveName, NAME_LENGTH_LIMIT, 'l'},
        {a.noChanceName, NAME_LENGTH_LIMIT, 'n'},   {a.caresName, NAME_LENGTH_LIMIT, 'c'},
        {a.knowsYouName, NAME_LENGTH_LIMIT, 'k'},   {a.bestFriendName, NAME_LENGTH_LIMIT, 'b'},
        {a.loveTitle, TITLE_LENGTH_LIMIT, 'L'},     {a.lifeTitle, TITLE_LENGTH_LIMIT, 'F'},
        {a.noChanceTitle, TITLE_LENGTH_LIMIT, 'N'}, {a.mindTitle, TITLE_LENGTH_LIMIT, 'M'},
        {a.wish, WISH_LENGTH_LIMIT, 'w'},
    };
    for (const Field& f : fields) {
        std::strcpy(f.answer, Filled(f.letter, f.limit).c_str());
    }
    const std::string text = Compose(a);
    EXPECT_EQ(text.size(), 1050u);
    EXPECT_EQ(text.size(), std::size_t(RESULTS_TEXT_LONGEST));
    for (const Field& f : fields) {
        EXPECT_NE(text.find(f.answer), std::string::npos) << f.letter;
    }
    const std::string ending = "\", will come true if you email your friends the web link to "
                               "Lorvan the Word Game!\n";
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);

    // The screen text adds the keys and the longest link the link field holds.
    const std::string link = Filled('x', 63);
    char screen[RESULTS_SCREEN_TEXT_SIZE];
    ComposeResultsScreenText(text.c_str(), link.c_str(), screen, sizeof screen);
    const std::string shown = screen;
    EXPECT_EQ(shown.size(), 1177u);
    EXPECT_EQ(shown,
              text + "\nPress 'F1' to save your results. Press 'Escape' to quit.\nLink: " + link);
}

} // namespace
