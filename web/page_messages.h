// The page's keys and menu choices as the window messages the game's rules expect.
//
// The page posts each key press as a key-down, the character it types and a
// key-up, the way Windows queues them for the exe, and each menu choice as a
// command. The frame loop removes them one at a time, so the game's key rules see
// the same sequence of messages and the same key state as in the exe.
#pragma once

#include "app/key_commands.h"
#include "app/window_messages.h"

// Queues a message from the page; returns false when it was dropped. The page's
// messages are dropped when the queue is nearly full, so the messages the game
// posts itself always find room; but a key-up is never dropped after its key-down
// was taken, since the queue keeps a place for it.
bool PostPageMessage(unsigned message, unsigned wParam);

// How many more whole key strokes (key-down, character, key-up) the queue takes
// now: the page posts no more characters than that from one input event.
int PageKeyStrokeRoom();

// Whether messages wait in the queue or typed characters in the game's key buffer.
bool PageInputPending();

// Queues a message the game posts itself (a close, the window's end, the quit
// message). It always finds room: the page's own messages leave some.
void PostGameMessage(unsigned message);

// Removes at most one message: updates the key state, applies the game's key
// rules, then hands it to the page's window procedure. Returns true when it was
// the quit message.
bool PumpPageMessage();

// After a modal box: every key counts as up and the key messages still waiting
// are dropped, as the box's own message loop takes them in the exe.
void ForgetKeysAfterBox();

// Back to an empty queue with every key up.
void ResetPageMessages();
