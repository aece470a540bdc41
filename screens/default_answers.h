// The answers the game offers when the player presses Enter on an empty box: a
// joke the player confirms with a further Enter or edits first.
#pragma once

enum { DEFAULT_ANSWER_COUNT = 11 };

extern const char* const PlayerNameDefaults[DEFAULT_ANSWER_COUNT];   // screen 0
extern const char* const OppositeNameDefaults[DEFAULT_ANSWER_COUNT]; // screens 4 and 5
extern const char* const FriendNameDefaults[DEFAULT_ANSWER_COUNT];   // screens 6 to 8
extern const char* const MovieTitleDefaults[DEFAULT_ANSWER_COUNT];   // screens 9 to 12
extern const char* const WishDefaults[DEFAULT_ANSWER_COUNT];         // screen 13
