// The text-entry rules shared by the screens.
#pragma once

#include <cstddef>

struct TextBox;

// Takes the first character off KeyBuffer: every character behind it moves one
// place towards the front, in order. Screens call it once per frame after looking
// at a non-NUL first character, so characters typed within one frame are applied
// one per frame, in typing order.
void ConsumeKey();

// What a box accepts and what counts as an answer.
enum class EntryKind {
    Text,  // characters ' ' to '~'; any non-empty text is an answer
    Number // digits; an answer is a value from LOWEST_NUMBER to HIGHEST_NUMBER
};

enum { LOWEST_NUMBER = 1, HIGHEST_NUMBER = 20 };

// How one screen's box turns typed characters into its answer.
struct TextEntryRule {
    EntryKind kind;
    int lengthLimit;   // a character is appended only while the text is shorter
    char* destination; // the answer filled by an accepted Enter
    std::size_t destinationSize;
    // Text screens: an Enter on an empty box puts defaults[rand() % defaultCount]
    // into it. Number screens put a random valid number there instead.
    const char* const* defaults;
    int defaultCount;
    bool emptyAfterStore; // the next screen starts with an empty box
};

// Applies the first queued character, if any, to the box by the rule, then takes
// it off the queue: Backspace removes the last character; Enter stores an answer
// and moves to the next screen, or puts a default into the box for the player to
// confirm; an accepted character is appended up to the length limit; anything
// else is dropped.
void ApplyTextEntry(TextBox& box, const TextEntryRule& rule);

// The first-frame set-up of TextBoxA: construction values, then the 550 by 33
// transparent box with 20-point cyan text and a yellow caret.
void PrepareEntryBox();

// The first-frame set-up of TextBoxB, the numbers' box: the same look, 50 units
// wide. It keeps its construction values otherwise, for the whole run.
void PrepareNumberBox();
