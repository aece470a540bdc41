#include "results/results_file.h"

#include "app/platform.h"

#include <cstdio>
#include <cstring>

namespace {

void ShowSaveFailed() {
    PlatformMessageBox("Unable to save results.", "Error", MSGBOX_OK | MSGBOX_ICON_ERROR);
}

} // namespace

bool IsForbiddenInFileName(char c) {
    const unsigned char code = static_cast<unsigned char>(c);
    return code < 32 || std::strchr("<>:\"/\\|?*", c) != nullptr;
}

bool BuildResultsFileName(const char* directory, const char* prefix, const char* userName,
                          char* out, std::size_t size) {
    const int written = std::snprintf(out, size, "%s%s%s.txt", directory, prefix, userName);
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        if (size > 0) {
            out[0] = '\0';
        }
        return false;
    }
    // Only the player's part of the name is made safe: the directory is a real
    // path whose separators and drive colon must stay.
    const std::size_t nameStart = std::strlen(directory) + std::strlen(prefix);
    const std::size_t nameEnd = nameStart + std::strlen(userName);
    for (std::size_t i = nameStart; i < nameEnd; ++i) {
        if (IsForbiddenInFileName(out[i])) {
            out[i] = '_';
        }
    }
    return true;
}

void SaveResultsFile(const char* resultsText) {
    char fileName[RESULTS_FILE_NAME_SIZE];
    if (!BuildResultsFileName(ExeDirectory, AppSettings.resultsFilePrefix, Answers.userName,
                              fileName, sizeof fileName)) {
        ShowSaveFailed();
        return;
    }
    SaveResultsFileAt(fileName, resultsText);
}

ResultsFilePieces ResultsFilePiecesFor(const char* resultsText) {
    // The header keeps the name exactly as the player typed it.
    return ResultsFilePieces{{"Lorvan.exe (version 2.0) results for user: ", Answers.userName,
                              "\n\n\n", resultsText, "\n\n\n",
                              "Download Lorvan the word game at:\n", AppSettings.downloadLink,
                              "\n\n", "Website: ", AppSettings.productPageLink}};
}

void SaveResultsFileAt(const char* path, const char* resultsText) {
    const ResultsFilePieces file = ResultsFilePiecesFor(resultsText);
    if (PlatformWriteTextFile(path, file.pieces, RESULTS_FILE_PIECE_COUNT) != FILE_WRITTEN) {
        ShowSaveFailed();
        return;
    }
    char confirmation[RESULTS_FILE_NAME_SIZE + 32];
    std::snprintf(confirmation, sizeof confirmation, "Results saved to:\n\n%s", path);
    PlatformMessageBox(confirmation, "Results Saved", MSGBOX_OK | MSGBOX_ICON_INFORMATION);
}
