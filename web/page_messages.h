// The page's keys and menu choices as the window messages the game's rules expect.
//
// The page posts each key press as a key-down, the character it types and a
// key-up, the way Windows queues them for the exe, and each menu choice as a
// command. The pump (page_pump.h) removes them one at a time, so the game's key
// rules see the same sequence of messages and the same key state as in the exe.
// The queue is the one record of the keys held: which key-downs it took and
// which of their key-ups have not come.
#pragma once

#include "app/key_commands.h"
#include "app/window_messages.h"

// Queues a message from the page; returns false when it was dropped. The page's
// messages are dropped when the queue is nearly full, so the messages the game
// posts itself always find room; but a key-up is never dropped after its key-down
// was taken, since the queue keeps a place for it. A key-up whose key-down was
// not taken (dropped, or taken by a message box) is not the game's: dropped.
bool PostPageMessage(unsigned message, unsigned wParam);

// Queues the key-up of every key whose key-down was taken and whose key-up has
// not come: the page lets go of the keys when the game loses the keyboard.
void ReleasePageKeys();

// How many more whole key strokes (key-down, character, key-up) the queue takes
// now: the page posts no more characters than that from one input event.
int PageKeyStrokeRoom();

// Whether messages wait in the queue or typed characters in the game's key buffer.
bool PageInputPending();

// Queues a message the game posts itself (a close, the window's end, the quit
// message). It always finds room: the page's own messages leave some.
void PostGameMessage(unsigned message);

struct RemovedPageMessage {
    unsigned message;
    unsigned wParam;
    bool isQuit;
};

// Removes at most one message: updates the key state and applies the game's key
// rules to it (a Yes to the quit question posts the window's end). Returns false
// when the queue was empty.
bool RemovePageMessage(RemovedPageMessage& removed);

// After a modal box: every key counts as up and the key messages still waiting
// are dropped, as the box's own message loop takes them in the exe.
void ForgetKeysAfterBox();

// Back to an empty queue with every key up.
void ResetPageMessages();
