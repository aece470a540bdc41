// The results the game reads out of the player's answers.
//
// ResultsText is composed anew from Answers on every frame of the results screen,
// and is the exact text the results file holds. Both it and the screen text are
// sized for the longest answers the questions accept, so nothing is ever cut.
#pragma once

#include "app/game_state.h"

#include <cstddef>

enum {
    // The longest texts the answer limits allow, without the terminator.
    RESULTS_TEXT_LONGEST = 1050,
    RESULTS_SCREEN_TEXT_LONGEST = 1177,
    // Buffer sizes, with room to spare beyond the longest text and its terminator.
    RESULTS_TEXT_SIZE = 1100,
    RESULTS_SCREEN_TEXT_SIZE = 1240
};

// The format of the results: fifteen "%s" placeholders, every line ended by a line feed.
extern const char ResultsTemplate[];

// This frame's results, as the results screen shows them and the results file keeps them.
extern char ResultsText[RESULTS_TEXT_SIZE];

// Fills out with the results for the answers. Every answer is inserted as it was
// typed (a "%" stays a "%"); the output is always terminated inside size bytes.
void ComposeResultsText(const AnswerSet& answers, char* out, std::size_t size);

// Fills out with what the results screen shows: the results, the keys to save and
// to quit, and the download link.
void ComposeResultsScreenText(const char* resultsText, const char* downloadLink, char* out,
                              std::size_t size);
