// What each question screen asks and where its answer goes, one row a screen. The
// screen routines read it; their drawing is their own.
#pragma once

#include "app/game_state.h"
#include "screens/text_entry.h"

struct TextBox;

// What the screens one routine draws share.
struct QuestionRoutine {
    // Set, the routine's next frame is the first of its screens and sets the box up.
    bool AppSettingsBlock::*firstFrame;
    TextBox* box; // where the answers are typed
    void (*prepareBox)();
};

struct QuestionScreen {
    const QuestionRoutine* routine;
    int boxTop; // base units
    const char* prompt;
    TextEntryRule entry; // how the box's text becomes the answer
};

// The row of a question screen (the name, the numbers, the names, the titles and
// the wish), or null for any other screen.
const QuestionScreen* QuestionScreenFor(int screen);

// The row that the routine of the given question screen draws this frame: the
// current screen's when the routine serves it, else the routine's last (the title
// and wish routine asks the wish on any screen but 9 to 12).
const QuestionScreen& CurrentQuestionOfRoutine(int screenOfRoutine);

// Where the box stands after a key was applied on the asked screen: at the place of
// the screen the key left the game on while that screen shares the asked one's
// routine, otherwise where it was. So an accepted answer's emptied box already
// stands where the routine's next question has it.
int BoxTopAfterKey(const QuestionScreen& asked);
