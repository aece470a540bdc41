// Saving the results as a text file beside the executable, named after the player.
#pragma once

#include "app/game_state.h"

#include <cstddef>

enum {
    // The longest name: a full-length ExeDirectory, the prefix, the longest player
    // name and ".txt", with room to spare beyond it and its terminator.
    RESULTS_FILE_NAME_LONGEST = (EXE_DIRECTORY_SIZE - 1) +
                                (sizeof AppSettingsBlock().resultsFilePrefix - 1) +
                                NAME_LENGTH_LIMIT + 4,
    RESULTS_FILE_NAME_SIZE = 320
};
static_assert(RESULTS_FILE_NAME_LONGEST + 1 <= RESULTS_FILE_NAME_SIZE,
              "the file name buffer holds the longest name");

// The results file's text, as the pieces it is written in, in order, with line
// feeds as "\n"; they point into the answers and the settings and resultsText.
enum { RESULTS_FILE_PIECE_COUNT = 10 };
struct ResultsFilePieces {
    const char* pieces[RESULTS_FILE_PIECE_COUNT];
};
ResultsFilePieces ResultsFilePiecesFor(const char* resultsText);

// Whether Windows refuses c anywhere in a file name.
bool IsForbiddenInFileName(char c);

// Fills out with directory, prefix, the player's name and ".txt". Every character of
// the name that a file name may not hold becomes "_", so the file always lands in
// directory. Returns false, with out emptied, when the name does not fit in size bytes.
bool BuildResultsFileName(const char* directory, const char* prefix, const char* userName,
                          char* out, std::size_t size);

// Writes the results file for the player into ExeDirectory and tells the player how
// it went in a message box.
void SaveResultsFile(const char* resultsText);

// Writes the results file at path and tells the player how it went: the path on
// success, "Unable to save results." when the file could not be opened, written or
// closed.
void SaveResultsFileAt(const char* path, const char* resultsText);
