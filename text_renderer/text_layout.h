// Breaks a text into the lines DrawTextA would draw it in.
//
// A line ends at a line feed (or carriage return, or both) and, with
// TEXT_WORDBREAK, before the word that would pass the rectangle's right edge; the
// spaces at such a break are drawn on neither line. A word wider than the
// rectangle stands alone on its line (and is cut at the edge when drawn). Unless
// TEXT_NOPREFIX is given, "&" marks the next character as the line's mnemonic and
// is not drawn, and "&&" draws one "&". Lines are one cell (ascent plus descent)
// apart, and the line that reaches past the rectangle's bottom is the last one.
#pragma once

#include "app/platform.h"
#include "text_renderer/glyph_cache.h"

struct TextLine {
    int start;     // index in the text of the line's first character
    int end;       // one past its last drawn character (prefix marks included)
    int x;         // where the pen starts: the cell's left edge
    int y;         // the cell's top edge
    int width;     // sum of the drawn characters' advances
    int underline; // index in the text of the mnemonic character, or -1
};

class LineBreaker {
  public:
    LineBreaker(const SizedFont& font, const char* text, int length, const TextRect& rect,
                unsigned format);

    // The next line, top to bottom; false once the text or the rectangle is used up.
    bool Next(TextLine& line);

  private:
    // A line's end, one past its last drawn character, and where the next line
    // starts, before the line feed that may stand there.
    struct Span {
        int end;
        int resume;
    };

    int LineFeedAt(int index) const; // characters of the line feed there, or 0
    int Advance(int index, int& next) const;
    int ParagraphEnd(int start) const; // the next line feed, or the text's end
    int FirstOverflow(int start, int paragraphEnd) const;
    int BreakIndex(int start, int overflow, int paragraphEnd) const;
    Span LineFrom(int start) const;
    void Measure(TextLine& line) const; // its width, mnemonic and pen start
    void MoveOnTo(int resume);          // past the line feed, one line down

    const SizedFont& font;
    const char* text;
    int length;
    TextRect rect;
    unsigned format;
    int position = 0;
    int y;
    bool finished;
};

// Whether the "&" at index marks the character after it rather than being drawn:
// whenever prefixes are processed and any character follows, even a line feed,
// which is then drawn as a character and breaks no line, as in DrawTextA. A final
// "&" is drawn as it is.
inline bool IsMnemonicMark(const char* text, int length, int index, unsigned format) {
    return (format & TEXT_NOPREFIX) == 0 && text[index] == '&' && index + 1 < length;
}

// Calls visit(index, drawnCharacter, underlined) for each character a line of a
// text of the given length draws, in order, with the "&" marks resolved.
template <typename Visit>
void ForEachDrawnCharacter(const char* text, int length, const TextLine& line, unsigned format,
                           Visit visit) {
    for (int i = line.start; i < line.end; ++i) {
        if (IsMnemonicMark(text, length, i, format)) {
            ++i; // "&x" draws x, "&&" draws "&"
            if (i >= line.end) {
                break; // it marked a space the break took away
            }
        }
        visit(i, static_cast<unsigned char>(text[i]), i == line.underline);
    }
}
