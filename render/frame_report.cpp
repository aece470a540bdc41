#include "render/frame_report.h"

#include <algorithm>
#include <cstring>

namespace {

FrameReport Report;
bool TextsNoted = true;
bool InPieces = false;
PixelBox PiecesBounds;
bool Measured = false;

bool IsEmpty(const PixelBox& box) {
    return box.width <= 0 || box.height <= 0;
}

void Note(const char* text, int length, const PixelBox& bounds, bool listLine) {
    if (text == nullptr || length <= 0) {
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
    if (copied > 0 && Report.itemCount < FRAME_TEXTS_MAX) {
        Report.items[Report.itemCount++] =
            FrameText{static_cast<int>(at), static_cast<int>(copied), bounds, listLine};
    }
}

} // namespace

PixelBox UnionOf(const PixelBox& a, const PixelBox& b) {
    if (IsEmpty(a)) {
        return IsEmpty(b) ? PixelBox() : b;
    }
    if (IsEmpty(b)) {
        return a;
    }
    const int left = std::min(a.left, b.left);
    const int top = std::min(a.top, b.top);
    const int right = std::max(a.left + a.width, b.left + b.width);
    const int bottom = std::max(a.top + a.height, b.top + b.height);
    return PixelBox{left, top, right - left, bottom - top};
}

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

void ReportDrawnText(const char* text, int length, const PixelBox& bounds) {
    if (InPieces) {
        PiecesBounds = UnionOf(PiecesBounds, bounds);
        return;
    }
    if (TextsNoted) {
        Note(text, length, bounds, false);
    }
}

void ReportListLine(const char* text, int length, const PixelBox& bounds) {
    if (TextsNoted && !InPieces) {
        Note(text, length, bounds, true);
    }
}

void NoteDrawnTexts(bool noted) {
    TextsNoted = noted;
}

void StartTextInPieces() {
    InPieces = true;
    PiecesBounds = PixelBox();
}

void ReportTextInPieces(const char* whole, int length) {
    InPieces = false;
    ReportDrawnText(whole, length, PiecesBounds);
}

void MeasureDrawnTexts(bool measured) {
    Measured = measured;
}

bool DrawnTextsMeasured() {
    return Measured;
}

void StartFrameReport(int screen) {
    Report.screen = screen;
    Report.answerBox = PixelBox();
    Report.question = nullptr;
    Report.answer[0] = '\0';
    Report.answerLength = 0;
    Report.texts[0] = '\0';
    Report.textsLength = 0;
    Report.itemCount = 0;
    TextsNoted = true;
    InPieces = false;
}

const FrameReport& CurrentFrameReport() {
    return Report;
}
