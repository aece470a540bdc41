// The page's keys and menu choices as the window messages the game's rules expect.
//
// The page posts each key press as a key-down, the character it types and a
// key-up, the way Windows queues them for the exe, and each menu choice as a
// command. The frame loop removes them one at a time, so the game's key rules see
// the same sequence of messages and the same key state as in the exe.
#pragma once

#include "app/key_commands.h"

// The messages the page needs beyond those the key rules name (MESSAGE_QUIT,
// MESSAGE_KEYDOWN, MESSAGE_CHAR), Win32's own values.
enum : unsigned {
    PAGE_DESTROY = 0x0002,
    PAGE_CLOSE = 0x0010,
    PAGE_KEYUP = 0x0101,
    PAGE_COMMAND = 0x0111
};

// Queues a message from the page; returns false when it was dropped. The page's
// messages are dropped when the queue is nearly full, so the messages the game
// posts itself always find room; but a key-up is never dropped after its key-down
// was taken, since the queue keeps a place for it.
bool PostPageMessage(unsigned message, unsigned wParam);

// How many more whole key strokes (key-down, character, key-up) the queue takes
// now: the page posts no more characters than that from one input event.
int PageKeyStrokeRoom();

// Removes at most one message: updates the key state, applies the game's key
// rules, then does what the window procedure does with it (a menu command, a
// close, the end of the window). Returns true when it was the quit message.
bool PumpPageMessage();

// After a modal box: every key counts as up and the key messages still waiting
// are dropped, as the box's own message loop takes them in the exe.
void ForgetKeysAfterBox();

// Back to an empty queue with every key up.
void ResetPageMessages();
