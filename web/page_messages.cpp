#include "web/page_messages.h"

#include "app/game_state.h"
#include "app/key_commands.h"

#include <cstring>

namespace {

struct PageMessage {
    unsigned message;
    unsigned wParam;
};

// Far more than a player types between two frames; a test that types a whole
// answer at once stays well below it.
enum { QUEUE_CAPACITY = 1024, ROOM_KEPT_FOR_THE_GAME = 8 };

PageMessage Queue[QUEUE_CAPACITY];
int QueueHead = 0;
int QueueLength = 0;
unsigned char KeyState[256]; // high bit set while a key is down, as GetKeyboardState gives it

// Keys whose key-down was queued and whose key-up has not been yet. The queue keeps
// a place for each one's key-up: a key-up dropped would leave its key down for
// good, and a Ctrl held for ever swallows every character typed after it.
bool KeyUpOwed[256];
int KeyUpsOwed = 0;

// Places the page's messages may still take, beyond the owed key-ups and the
// room kept for the messages the game posts itself.
int FreePlaces() {
    return QUEUE_CAPACITY - ROOM_KEPT_FOR_THE_GAME - KeyUpsOwed - QueueLength;
}

void ForgetOwedKeyUps() {
    std::memset(KeyUpOwed, 0, sizeof KeyUpOwed);
    KeyUpsOwed = 0;
}

bool IsKeyMessage(unsigned message) {
    return message == MESSAGE_KEYDOWN || message == MESSAGE_KEYUP || message == MESSAGE_CHAR;
}

void Append(unsigned message, unsigned wParam) {
    if (QueueLength == QUEUE_CAPACITY) {
        return;
    }
    Queue[(QueueHead + QueueLength) % QUEUE_CAPACITY] = PageMessage{message, wParam};
    ++QueueLength;
}

} // namespace

bool PostPageMessage(unsigned message, unsigned wParam) {
    const unsigned key = wParam & 0xFF;
    if (message == MESSAGE_KEYUP) {
        if (!KeyUpOwed[key]) {
            return false;
        }
        KeyUpOwed[key] = false; // its place was kept
        --KeyUpsOwed;
        Append(message, wParam);
        return true;
    }
    // A first key-down needs a place for itself and one kept for its key-up; a
    // repeat of a key already down has its key-up's place.
    const bool firstDown = message == MESSAGE_KEYDOWN && !KeyUpOwed[key];
    if (FreePlaces() < (firstDown ? 2 : 1)) {
        return false;
    }
    if (firstDown) {
        KeyUpOwed[key] = true;
        ++KeyUpsOwed;
    }
    Append(message, wParam);
    return true;
}

void ReleasePageKeys() {
    for (unsigned key = 0; key < 256; ++key) {
        if (KeyUpOwed[key]) {
            PostPageMessage(MESSAGE_KEYUP, key);
        }
    }
}

void PostGameMessage(unsigned message) {
    Append(message, 0);
}

int PageKeyStrokeRoom() {
    const int free = FreePlaces();
    return free > 0 ? free / 3 : 0;
}

bool PageInputPending() {
    return QueueLength > 0 || KeyBuffer[0] != '\0';
}

bool RemovePageMessage(RemovedPageMessage& removed) {
    if (QueueLength == 0) {
        return false;
    }
    const PageMessage taken = Queue[QueueHead];
    QueueHead = (QueueHead + 1) % QUEUE_CAPACITY;
    --QueueLength;

    // The key state counts every message removed so far, this one included.
    if (taken.message == MESSAGE_KEYDOWN) {
        KeyState[taken.wParam & 0xFF] = 0x80;
    } else if (taken.message == MESSAGE_KEYUP) {
        KeyState[taken.wParam & 0xFF] = 0;
    }
    const PumpOutcome outcome = ApplyKeyRules(KeyState, taken.message, taken.wParam);
    if (outcome.postDestroy) {
        PostGameMessage(MESSAGE_DESTROY);
    }
    removed = RemovedPageMessage{taken.message, taken.wParam, outcome.isQuit};
    return true;
}

void ForgetKeysAfterBox() {
    std::memset(KeyState, 0, sizeof KeyState);
    // The box took the keys' key-ups, as it does in the exe.
    ForgetOwedKeyUps();
    int kept = 0;
    for (int i = 0; i < QueueLength; ++i) {
        const PageMessage& waiting = Queue[(QueueHead + i) % QUEUE_CAPACITY];
        if (!IsKeyMessage(waiting.message)) {
            Queue[(QueueHead + kept) % QUEUE_CAPACITY] = waiting;
            ++kept;
        }
    }
    QueueLength = kept;
}

void ResetPageMessages() {
    QueueHead = 0;
    QueueLength = 0;
    std::memset(KeyState, 0, sizeof KeyState);
    ForgetOwedKeyUps();
}
