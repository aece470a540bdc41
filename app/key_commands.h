// The game's keyboard rules, applied by the message pump to every message it removes.
//
// The pump looks at the state of a few keys rather than at the message itself, so a
// held key acts once for every message taken off the queue while it is down.
#pragma once

#include <cstdint>

// The window messages and virtual-key codes the rules look at, as Win32 defines them.
enum : unsigned { MESSAGE_QUIT = 0x0012, MESSAGE_KEYDOWN = 0x0100, MESSAGE_CHAR = 0x0102 };
enum : int {
    KEY_BACK = 0x08,   // Backspace; the page posts it for an on-screen keyboard's deletion
    KEY_RETURN = 0x0D, // Enter; likewise for a line break typed on it
    KEY_CONTROL = 0x11,
    KEY_ALT = 0x12,
    KEY_ESCAPE = 0x1B,
    KEY_F1 = 0x70,
    KEY_F5 = 0x74,
    KEY_F6 = 0x75
};

// What the pump still has to do through the window system once the rules have run.
struct PumpOutcome {
    bool postDestroy; // the player answered Yes to the quit question
    bool isQuit;      // the message was the quit message
};

// Applies the rules to one removed message. keyboardState holds the 256 key bytes
// (high bit set while a key is down), or is null when the state could not be read:
// then no key command runs and Ctrl and Alt count as up.
//
// Escape asks the quit question (a modal box), F5 flips the frame-rate overlay, F6
// switches the frame-rate cap, a typed character with neither Ctrl nor Alt down is
// queued in KeyBuffer, and an F1 key-down asks for the results to be saved.
PumpOutcome ApplyKeyRules(const unsigned char* keyboardState, unsigned message,
                          std::uint64_t wParam);

// Queues one typed character at the end of KeyBuffer. A character that does not
// fit is dropped, so the buffer is never written past its end.
void QueueTypedCharacter(char c);
