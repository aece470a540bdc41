#include "web/shareable_results.h"

#include "app/game_state.h"
#include "results/results_file.h"
#include "results/results_text.h"

std::string ShareableResultsText() {
    std::string text;
    if (ScreenIndex != ShowResults) {
        return text;
    }
    // The results screen composes ResultsText afresh every frame.
    const ResultsFilePieces file = ResultsFilePiecesFor(ResultsText);
    for (const char* piece : file.pieces) {
        text += piece;
    }
    return text;
}
