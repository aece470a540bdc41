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

bool LineBreaker::Next(TextLine& line) {
    if (finished) {
        return false;
    }
    const int start = position;
    int paragraphEnd = start;
    while (paragraphEnd < length && LineFeedAt(paragraphEnd) == 0) {
        paragraphEnd += IsMnemonicMark(text, length, paragraphEnd, format) ? 2 : 1;
    }

    const long long available = static_cast<long long>(rect.right) - rect.left;
    int end = paragraphEnd;
    int resume = paragraphEnd; // where the next line starts, before its line feed
    if (format & TEXT_WORDBREAK) {
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
        if (i < paragraphEnd) {
            // i is the first character that does not fit. Break before the word it
            // belongs to, if an earlier word stands on the line; else the long word
            // stands alone.
            int breakAt = i;
            if (text[i] != ' ') {
                int space = i;
                while (space > start && text[space - 1] != ' ') {
                    --space;
                }
                int wordBefore = space;
                while (wordBefore > start && text[wordBefore - 1] == ' ') {
                    --wordBefore;
                }
                if (wordBefore > start) {
                    breakAt = space;
                } else {
                    breakAt = i;
                    while (breakAt < paragraphEnd && text[breakAt] != ' ') {
                        ++breakAt;
                    }
                }
            }
            end = breakAt;
            while (end > start && text[end - 1] == ' ') {
                --end;
            }
            if (end == start) {
                end = breakAt; // a line of nothing but spaces keeps them
            }
            resume = breakAt;
            while (resume < paragraphEnd && text[resume] == ' ') {
                ++resume;
            }
        }
    }

    line.start = start;
    line.end = end;
    line.y = y;
    line.underline = -1;
    long long width = 0;
    for (int i = start; i < end;) {
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

    // A wrapped line that ends just before a line feed uses it up.
    position = resume + LineFeedAt(resume);
    // The line that reaches past the bottom is the last drawn, as in DrawTextA.
    const int lineHeight = font.LineHeight();
    finished = position >= length || static_cast<long long>(y) + lineHeight > rect.bottom;
    if (!finished) {
        y += lineHeight; // at most rect.bottom: no overflow
    }
    return true;
}
