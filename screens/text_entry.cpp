#include "screens/text_entry.h"

#include "app/game_state.h"

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
