// The game's own single-line entry field.
//
// A text box has no window and receives no messages: it is a plain record that the
// owning screen edits and draws every frame straight into the back buffer, with an
// optional fill, the text in Times New Roman, a two-pixel sunken bevel and a
// blinking caret just behind the text.
#pragma once

#include "app/platform.h"

#include <cstdint>

enum { TEXT_BOX_TEXT_SIZE = 1024, TEXT_BOX_FACE_SIZE = 256 };

// Colours are stored as 0x00RRGGBB, the layout of a back-buffer pixel.
struct TextBox {
    TextBox(); // the construction values below; ResetTextBox puts them back

    int width;    // pixels, from LayoutTextBox
    int height;   // pixels
    int fontSize; // points
    float scaleX; // last factors applied by LayoutTextBox
    float scaleY;
    unsigned char showCaret;
    unsigned char transparent; // the box rectangle is not filled
    unsigned char showBorder;
    char text[TEXT_BOX_TEXT_SIZE];
    char fontFace[TEXT_BOX_FACE_SIZE];
    int baseWidth; // base layout units
    int baseHeight;
    int baseFontSize;  // points at the base size
    int top;           // back-buffer row
    int left;          // back-buffer column
    int blinkPeriodMs; // must be exceeded before the caret phase changes
    std::uint32_t textColor;
    std::uint32_t fillColor;
    std::uint32_t shadowOuterColor; // outer top and left bevel lines
    std::uint32_t shadowInnerColor; // inner top and left bevel lines
    std::uint32_t lightOuterColor;  // outer bottom and right bevel lines
    std::uint32_t lightInnerColor;  // inner bottom and right bevel lines
    std::uint32_t caretColor;
};

// The two boxes of the game: TextBoxA for the name, people, title and wish
// questions, TextBoxB for the two numbers.
extern TextBox TextBoxA;
extern TextBox TextBoxB;

// The caret blink clock, one for every box, so the caret keeps its rhythm from
// screen to screen. The phase itself is AppSettings.caretVisible.
extern std::uint32_t CaretToggleTick;
extern unsigned char CaretTimerStarted;

// A stored 0x00RRGGBB colour as a COLORREF (0x00BBGGRR).
inline std::uint32_t ColorRefFromPixelColor(std::uint32_t color) {
    return ((color >> 16) & 0xFF) | (color & 0xFF00) | ((color & 0xFF) << 16);
}

void ResetTextBox(TextBox& box);

// Sets the box's pixel size, font size and position from its base values, the
// layout scale and its base position (baseX, baseY) for this frame.
void LayoutTextBox(TextBox& box, float sx, float sy, int clientLeft, int clientTop, int baseX,
                   int baseY);

// Draws the box into the back buffer of bufferWidth by bufferHeight pixels: fill,
// text, bevel and caret. Every pixel written is clipped to the buffer. Always 0.
int DrawTextBox(const TextBox& box, DrawContext dc, unsigned char* pixels, int bufferWidth,
                int bufferHeight);
