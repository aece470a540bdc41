// What a frame drew that a frontend presents besides its pixels: the question's
// text box, where it stands and what it holds (the page's answer field lies over
// it, named by the question and holding the same answer), and the screen's other
// texts (the page's live region reads them). The composer starts a
// report for each frame and returns it; the screens add to it as they draw.
#pragma once

#include "render/text_box.h"

#include <cstddef>

// A rectangle by its top-left corner and size, in back-buffer pixels.
struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

inline bool operator==(const PixelBox& a, const PixelBox& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}
inline bool operator!=(const PixelBox& a, const PixelBox& b) {
    return !(a == b);
}

// Stands between two texts of a screen; the game draws only ' ' to '~' and line feeds.
enum : char { SCREEN_TEXT_SEPARATOR = '\x1F' };

// Room for the longest screen's texts (the results, about 1,240 characters) and more,
// and for a whole text box's answer.
enum { FRAME_TEXTS_SIZE = 4096, FRAME_ANSWER_SIZE = TEXT_BOX_TEXT_SIZE };

struct FrameReport {
    PixelBox answerBox;   // all zero when the frame drew no box
    const char* question; // what the box asks; null when the frame drew no box
    // What the box holds, terminated; it is not among the texts below.
    char answer[FRAME_ANSWER_SIZE];
    std::size_t answerLength;
    // The screen's texts in the order drawn, each once (a shadow and its text are one
    // text), separated by SCREEN_TEXT_SEPARATOR and terminated; the frame-rate
    // overlay's are left out. What does not fit is cut off.
    char texts[FRAME_TEXTS_SIZE];
    std::size_t textsLength;
};

// For the screens, while they draw: the box that takes the answer and the question
// it answers, the answer it shows, and a text drawn. An empty text is not noted.
void ReportAnswerBox(const PixelBox& box, const char* question);
void ReportAnswer(const char* text, int length);
void ReportDrawnText(const char* text, int length);

// Whether drawn texts are noted: not while the overlay draws, nor while a screen
// draws a sentence in pieces that it then reports whole.
void NoteDrawnTexts(bool noted);

// For the composer: a new, empty report, and the report of the frame drawn.
void StartFrameReport();
const FrameReport& CurrentFrameReport();
