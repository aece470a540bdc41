// The platform operations the game relies on, as plain functions.
//
// Everything the screens, the frame composer and the results file need from the
// operating system goes through this header: fonts, text colour and background,
// drawing and measuring text, the clocks, sleeping, message boxes and writing a
// text file. The executable links the Win32 implementation (platform_win32.cpp);
// the native tests link a recording fake (tests/support/fake_platform.cpp) so a
// test can see every rectangle, colour, flag and font height the game asked for.
//
// This header must not include <windows.h>: the game code that includes it is
// compiled and tested natively on Linux.
#pragma once

#include <cstdint>

// A device context into which text is drawn (the back buffer's memory context).
struct PlatformDrawContext;
typedef PlatformDrawContext* DrawContext;

// A font made by PlatformCreateFont.
struct PlatformFont;
typedef PlatformFont* FontHandle;

// A rectangle in back-buffer pixels; right and bottom are exclusive, as in GDI.
struct TextRect {
    int left;
    int top;
    int right;
    int bottom;
};

// Text format flags, bit for bit the values DrawTextA takes.
enum : unsigned {
    TEXT_TOP_LEFT = 0x0000,
    TEXT_CENTER = 0x0001,
    TEXT_WORDBREAK = 0x0010,
    TEXT_NOPREFIX = 0x0800 // "&" is drawn as typed instead of marking a mnemonic
};

// Background modes, the values SetBkMode takes.
enum : int { BACKGROUND_TRANSPARENT = 1, BACKGROUND_OPAQUE = 2 };

// Font weights, as CreateFontA takes them.
enum : int { FONT_WEIGHT_DONTCARE = 0, FONT_WEIGHT_BOLD = 700 };

// Message box styles and answers, the values MessageBoxA takes and returns.
enum : unsigned {
    MSGBOX_OK = 0x00,
    MSGBOX_YES_NO_CANCEL = 0x03,
    MSGBOX_ICON_ERROR = 0x10,
    MSGBOX_ICON_QUESTION = 0x20,
    MSGBOX_ICON_INFORMATION = 0x40,
    MSGBOX_TYPE_MASK = 0x0F // the bits of a style that choose its buttons
};
enum : int {
    MSGBOX_ANSWER_OK = 1,
    MSGBOX_ANSWER_CANCEL = 2,
    MSGBOX_ANSWER_YES = 6,
    MSGBOX_ANSWER_NO = 7
};

// Outcome of writing a text file.
enum FileWriteResult { FILE_WRITTEN, FILE_OPEN_FAILED, FILE_WRITE_FAILED };

// --- Text drawing ---------------------------------------------------------

// Vertical resolution of the context in dots per logical inch (96 on most displays).
int PlatformPixelsPerInchY(DrawContext dc);

// A font whose character height is -height pixels (a negative height asks for
// the character height rather than the cell height), in the given weight and face.
// Width, escapement, orientation, italic, underline, strike-out, character set,
// precisions, quality and pitch-and-family are all 0.
FontHandle PlatformCreateFont(int height, int weight, const char* face);

// Selects the font into the context and returns the font that was selected before.
FontHandle PlatformSelectFont(DrawContext dc, FontHandle font);

// Deletes a font made by PlatformCreateFont. It must no longer be selected.
void PlatformDeleteFont(FontHandle font);

// Colours are COLORREF values, 0x00BBGGRR.
void PlatformSetBackgroundColor(DrawContext dc, std::uint32_t colorRef);
void PlatformSetBackgroundMode(DrawContext dc, int mode);
void PlatformSetTextColor(DrawContext dc, std::uint32_t colorRef);

// Draws length characters of text into the rectangle with the TEXT_* flags, clipped
// to the rectangle.
void PlatformDrawText(DrawContext dc, const char* text, int length, const TextRect& rect,
                      unsigned format);

// Width in pixels of length characters of text in the selected font.
int PlatformMeasureTextWidth(DrawContext dc, const char* text, int length);

// The rectangle that length characters of text cover when drawn into rect with the
// TEXT_* flags, nothing drawn: across, from the left of the leftmost line to the
// right of the rightmost, each placed as drawn (centred or not); down, from the top
// of the first line to the bottom of the last; cut to rect. Empty (right == left)
// for an empty text.
TextRect PlatformMeasureText(DrawContext dc, const char* text, int length, const TextRect& rect,
                             unsigned format);

// --- Clocks ---------------------------------------------------------------

// Milliseconds since an arbitrary start; wraps after about 49.7 days.
std::uint32_t PlatformTickCount();

// Calendar time in whole seconds, as time(nullptr) gives it.
std::int64_t PlatformCalendarSecond();

void PlatformSleep(int milliseconds);

// --- Messages to the player -----------------------------------------------

// A modal message box owned by the main window; returns the MSGBOX_ANSWER_* pressed.
int PlatformMessageBox(const char* text, const char* caption, unsigned style);

// --- Files ----------------------------------------------------------------

// Creates or empties the file at path, opened in text mode (on Windows each line
// feed is stored as carriage return plus line feed), writes the pieces in order
// with nothing between them and closes it.
FileWriteResult PlatformWriteTextFile(const char* path, const char* const* pieces, int pieceCount);
