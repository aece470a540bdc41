#include "text_renderer/text_layout.h"

#include <algorithm>
#include <climits>

LineBreaker::LineBreaker(const SizedFont& sizedFont, const char* characters, int count,
                         const TextRect& area, unsigned flags)
    : font(sizedFont), text(characters), length(count), rect(area), format(flags), y(area.top),
      finished(count <= 0) {}

int LineBreaker::LineFeedAt(int index) const {
    if (index >= length) {
        return 0;
    }
    if (text[index] == '\r') {
        return index + 1 < length && text[index + 1] == '\n' ? 2 : 1;
    }
    return text[index] == '\n' ? 1 : 0;
}

// The advance of the character a prefix-resolved text draws at index; next is the
// index after it. A "&" mark itself has no width.
int LineBreaker::Advance(int index, int& next) const {
    next = index + 1;
    if (IsMnemonicMark(text, length, index, format)) {
        next = index + 2;
        return font.advances[static_cast<unsigned char>(text[index + 1])];
    }
    return font.advances[static_cast<unsigned char>(text[index])];
}

int LineBreaker::ParagraphEnd(int start) const {
    int end = start;
    while (end < length && LineFeedAt(end) == 0) {
        end += IsMnemonicMark(text, length, end, format) ? 2 : 1;
    }
    return end;
}

// The first character from start whose advance would take the line past the
// rectangle's right edge, or paragraphEnd when the rest of the paragraph fits.
int LineBreaker::FirstOverflow(int start, int paragraphEnd) const {
    const long long available = static_cast<long long>(rect.right) - rect.left;
    long long width = 0;
    int i = start;
    while (i < paragraphEnd) {
        int next = i;
        const int advance = Advance(i, next);
        if (width + advance > available) {
            break;
        }
        width += advance;
        i = next;
    }
    return i;
}

// Where a line that overflows at the given character breaks: before the word it
// belongs to, if an earlier word stands on the line; else after that word, which
// stands alone.
int LineBreaker::BreakIndex(int start, int overflow, int paragraphEnd) const {
    if (text[overflow] == ' ') {
        return overflow;
    }
    int space = overflow;
    while (space > start && text[space - 1] != ' ') {
        --space;
    }
    int wordBefore = space;
    while (wordBefore > start && text[wordBefore - 1] == ' ') {
        --wordBefore;
    }
    if (wordBefore > start) {
        return space;
    }
    int wordEnd = overflow;
    while (wordEnd < paragraphEnd && text[wordEnd] != ' ') {
        ++wordEnd;
    }
    return wordEnd;
}

LineBreaker::Span LineBreaker::LineFrom(int start) const {
    const int paragraphEnd = ParagraphEnd(start);
    if ((format & TEXT_WORDBREAK) == 0) {
        return {paragraphEnd, paragraphEnd};
    }
    const int overflow = FirstOverflow(start, paragraphEnd);
    if (overflow >= paragraphEnd) {
        return {paragraphEnd, paragraphEnd};
    }
    // The spaces at the break are drawn on neither line, unless the line holds
    // nothing else.
    const int breakAt = BreakIndex(start, overflow, paragraphEnd);
    Span span = {breakAt, breakAt};
    while (span.end > start && text[span.end - 1] == ' ') {
        --span.end;
    }
    if (span.end == start) {
        span.end = breakAt;
    }
    while (span.resume < paragraphEnd && text[span.resume] == ' ') {
        ++span.resume;
    }
    return span;
}

void LineBreaker::Measure(TextLine& line) const {
    line.underline = -1;
    long long width = 0;
    for (int i = line.start; i < line.end;) {
        int next = i;
        width += Advance(i, next);
        if (next == i + 2 && text[i + 1] != '&') {
            line.underline = i + 1; // the last mnemonic of a line is the one underlined
        }
        i = next;
    }
    line.width = static_cast<int>(std::min<long long>(width, INT_MAX));
    line.x = rect.left;
    if (format & TEXT_CENTER) {
        const long long centred = (static_cast<long long>(rect.left) + rect.right - width) / 2;
        line.x = static_cast<int>(std::max<long long>(centred, INT_MIN));
    }
}

void LineBreaker::MoveOnTo(int resume) {
    // A wrapped line that ends just before a line feed uses it up.
    position = resume + LineFeedAt(resume);
    // The line that reaches past the bottom is the last drawn, as in DrawTextA.
    const int lineHeight = font.LineHeight();
    finished = position >= length || static_cast<long long>(y) + lineHeight > rect.bottom;
    if (!finished) {
        y += lineHeight; // at most rect.bottom: no overflow
    }
}

bool LineBreaker::Next(TextLine& line) {
    if (finished) {
        return false;
    }
    const Span span = LineFrom(position);
    line.start = position;
    line.end = span.end;
    line.y = y;
    Measure(line);
    MoveOnTo(span.resume);
    return true;
}
