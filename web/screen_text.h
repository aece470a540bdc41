// The texts of the current screen, gathered from the text the game draws, for
// the page's live region (what a screen reader reads out).
#pragma once

#include <cstddef>

// Stands between two texts of a screen; the game draws only ' ' to '~' and line feeds.
enum : char { SCREEN_TEXT_SEPARATOR = '\x1F' };

// Starts gathering the texts of a new frame.
void BeginScreenText();

// Notes one drawn text. A text drawn twice in a row (a shadow, then the text) is
// noted once; the frame-rate overlay's texts, drawn while the composer says it
// draws the overlay, are left out.
void NoteDrawnText(const char* text, int length);

// Ends the frame. Returns true when its texts differ from the last frame's: only
// then is the live region given them, so a screen reader is not interrupted by
// every frame drawn.
bool FinishScreenText();

// The texts of the last finished frame, separated by SCREEN_TEXT_SEPARATOR.
const char* ScreenText();
std::size_t ScreenTextLength();
