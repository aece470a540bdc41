#include "screens/text_entry.h"

#include "app/game_state.h"
#include "render/text_box.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

void ConsumeKey() {
    if (KeyBuffer[0] == '\0') {
        return;
    }
    // The last byte stays NUL, so the queue is terminated inside its array even if
    // it was ever full.
    std::memmove(KeyBuffer, KeyBuffer + 1, KEY_BUFFER_SIZE - 1);
    KeyBuffer[KEY_BUFFER_SIZE - 1] = '\0';
}

namespace {

enum : unsigned char { BACKSPACE = 8, ENTER = 13 };

std::size_t TextLength(const TextBox& box) {
    const void* end = std::memchr(box.text, '\0', sizeof box.text);
    return end == nullptr ? sizeof box.text - 1
                          : static_cast<std::size_t>(static_cast<const char*>(end) - box.text);
}

bool Accepts(const TextEntryRule& rule, unsigned char c) {
    if (rule.kind == EntryKind::Number) {
        return c >= '0' && c <= '9';
    }
    return c >= ' ' && c <= '~';
}

bool IsAnswer(const TextEntryRule& rule, const char* text) {
    if (text[0] == '\0') {
        return false;
    }
    if (rule.kind == EntryKind::Number) {
        const int value = std::atoi(text);
        return value >= LOWEST_NUMBER && value <= HIGHEST_NUMBER;
    }
    return true;
}

// An empty or refused answer is never reported: the box offers one the player can
// confirm with the next Enter or edit first.
void OfferDefault(TextBox& box, const TextEntryRule& rule) {
    if (rule.kind == EntryKind::Number) {
        std::snprintf(box.text, sizeof box.text, "%d",
                      std::rand() % HIGHEST_NUMBER + LOWEST_NUMBER);
        return;
    }
    if (rule.defaultCount > 0) {
        std::snprintf(box.text, sizeof box.text, "%s",
                      rule.defaults[std::rand() % rule.defaultCount]);
    }
}

void ApplyEnter(TextBox& box, const TextEntryRule& rule) {
    if (!IsAnswer(rule, box.text)) {
        OfferDefault(box, rule);
        return;
    }
    std::snprintf(rule.destination, rule.destinationSize, "%s", box.text);
    ++ScreenIndex;
    if (rule.emptyAfterStore) {
        box.text[0] = '\0';
    }
}

} // namespace

void ApplyTextEntry(TextBox& box, const TextEntryRule& rule) {
    const unsigned char c = static_cast<unsigned char>(KeyBuffer[0]);
    if (c == '\0') {
        return;
    }
    const std::size_t length = TextLength(box);
    if (c == BACKSPACE && length > 0) {
        box.text[length - 1] = '\0';
    }
    if (c == ENTER) {
        ApplyEnter(box, rule);
    }
    if (Accepts(rule, c) && length < static_cast<std::size_t>(rule.lengthLimit) &&
        length + 1 < sizeof box.text) {
        box.text[length] = static_cast<char>(c);
        box.text[length + 1] = '\0';
    }
    ConsumeKey();
}

namespace {

// What both boxes look like: 33 units high, unfilled, with 20-point cyan text and
// a yellow caret.
void SetEntryLook(TextBox& box, int baseWidth) {
    box.baseWidth = baseWidth;
    box.baseHeight = 33;
    box.baseFontSize = 20;
    box.transparent = 1;
    box.textColor = 0x00FFFF;  // cyan, as the headings
    box.caretColor = 0xFFFF00; // yellow
}

} // namespace

void PrepareEntryBox() {
    ResetTextBox(TextBoxA);
    SetEntryLook(TextBoxA, 550);
}

void PrepareNumberBox() {
    SetEntryLook(TextBoxB, 50);
}
