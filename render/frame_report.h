// What a frame drew that a frontend presents besides its pixels: the question's
// text box, where it stands and what it holds, and the screen's other texts with
// the rectangles they cover. The accessible screen (accessibility/) is built from
// it, and the page places its answer field over the box. The composer starts a
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

// The smallest box holding both; an empty box (no width or height) adds nothing.
PixelBox UnionOf(const PixelBox& a, const PixelBox& b);

// Stands between two texts of a screen; the game draws only ' ' to '~' and line feeds.
enum : char { SCREEN_TEXT_SEPARATOR = '\x1F' };

// Room for the longest screen's texts (the results, about 1,240 characters) and more,
// and for a whole text box's answer; the most texts a screen draws (the results'
// lines, 15) and more.
enum { FRAME_TEXTS_SIZE = 4096, FRAME_ANSWER_SIZE = TEXT_BOX_TEXT_SIZE, FRAME_TEXTS_MAX = 24 };

// One text of the screen: where it lies in FrameReport::texts and on the screen.
struct FrameText {
    int offset;
    int length;
    PixelBox bounds;
    bool listLine; // a line of a text read as a list (the results), not a text of its own
};

struct FrameReport {
    int screen;           // the screen the frame drew (ScreenIndex as it began)
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
    // The same texts one by one; those past FRAME_TEXTS_MAX are in texts alone.
    FrameText items[FRAME_TEXTS_MAX];
    int itemCount;
};

// For the screens, while they draw: the box that takes the answer and the question
// it answers, the answer it shows, a text drawn and the rectangle it covers, and a
// line of a text read as a list. An empty text is not noted.
void ReportAnswerBox(const PixelBox& box, const char* question);
void ReportAnswer(const char* text, int length);
void ReportDrawnText(const char* text, int length, const PixelBox& bounds);
void ReportListLine(const char* text, int length, const PixelBox& bounds);

// Whether drawn texts are noted: not while the overlay draws.
void NoteDrawnTexts(bool noted);

// A sentence a screen draws in pieces: the texts drawn after StartTextInPieces are
// not noted one by one; ReportTextInPieces notes the whole sentence in their place,
// covering all their rectangles.
void StartTextInPieces();
void ReportTextInPieces(const char* whole, int length);

// Whether the texts' rectangles are measured as drawn (PlatformMeasureText), for a
// reader that shows or follows them; otherwise each is the rectangle the text is
// drawn into, which costs nothing. Off until a frontend asks.
void MeasureDrawnTexts(bool measured);
bool DrawnTextsMeasured();

// For the composer: a new, empty report for a frame of the given screen, and the
// report of the frame drawn.
void StartFrameReport(int screen);
const FrameReport& CurrentFrameReport();
