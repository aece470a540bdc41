#include "web/shareable_results.h"

#include "app/game_state.h"
#include "results/results_file.h"
#include "results/results_text.h"

std::string ShareableResultsText() {
    std::string text;
    if (ScreenIndex != ShowResults) {
        return text;
    }
    // Composed here from the answers, as the results screen composes them: the
    // frame that reaches the results screen has not drawn it yet.
    char resultsText[RESULTS_TEXT_SIZE];
    ComposeResultsText(Answers, resultsText, sizeof resultsText);
    const ResultsFilePieces file = ResultsFilePiecesFor(resultsText);
    for (const char* piece : file.pieces) {
        text += piece;
    }
    return text;
}
