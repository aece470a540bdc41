#include "render/frame_report.h"

#include <algorithm>
#include <cstring>

namespace {

FrameReport Report;
bool TextsNoted = true;

} // namespace

void ReportAnswerBox(const PixelBox& box, const char* question) {
    Report.answerBox = box;
    Report.question = question;
}

void ReportAnswer(const char* text, int length) {
    std::size_t copied = 0;
    if (text != nullptr && length > 0) {
        copied = std::min(sizeof Report.answer - 1, static_cast<std::size_t>(length));
        std::memcpy(Report.answer, text, copied);
    }
    Report.answerLength = copied;
    Report.answer[copied] = '\0';
}

void ReportDrawnText(const char* text, int length) {
    if (!TextsNoted || text == nullptr || length <= 0) {
        return;
    }
    std::size_t at = Report.textsLength;
    const std::size_t room = sizeof Report.texts - 1; // the terminator's place is kept
    if (at > 0 && at < room) {
        Report.texts[at++] = SCREEN_TEXT_SEPARATOR;
    }
    const std::size_t copied =
        at < room ? std::min(room - at, static_cast<std::size_t>(length)) : 0;
    std::memcpy(Report.texts + at, text, copied);
    Report.textsLength = at + copied;
    Report.texts[Report.textsLength] = '\0';
}

void StartFrameReport() {
    Report.answerBox = PixelBox();
    Report.question = nullptr;
    Report.answer[0] = '\0';
    Report.answerLength = 0;
    Report.texts[0] = '\0';
    Report.textsLength = 0;
    TextsNoted = true;
}

void NoteDrawnTexts(bool noted) {
    TextsNoted = noted;
}

const FrameReport& CurrentFrameReport() {
    return Report;
}
