// What each question screen asks and where its answer goes, one row a screen. The
// screen routines read it; their drawing is their own.
#pragma once

#include "app/game_state.h"
#include "screens/text_entry.h"

#include <cstddef>

struct QuestionScreen {
    const char* prompt;
    char* answer; // filled by an accepted Enter
    std::size_t answerSize;
    int lengthLimit;
    EntryKind kind;
    const char* const* defaults; // offered on an empty Enter; numbers draw one instead
    bool emptyAfterStore;        // the next screen starts with an empty box
    int boxTop;                  // base units
    // The flag of the screens that share one routine: set, the routine's next frame
    // is the group's first and sets its box up.
    bool AppSettingsBlock::*firstFrame;
};

// The row of a question screen (the name, the numbers, the names, the titles and
// the wish), or null for any other screen.
const QuestionScreen* QuestionScreenFor(int screen);

// The rule by which the screen's box takes typed characters.
TextEntryRule EntryRuleOf(const QuestionScreen& question);

// Where the box stands after a key was applied on the asked screen: at the place of
// the screen the key left the game on while that screen shares the asked one's
// routine, otherwise where it was. So an accepted answer's emptied box already
// stands where the next question of the group has it.
int BoxTopAfterKey(const QuestionScreen& asked);
