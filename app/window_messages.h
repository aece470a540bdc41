// What the game window does with the messages it handles itself: its menu
// commands, the About box, a close and its end. Decided here once; the exe's
// window procedure and the page's both carry out the answer.
#pragma once

#include <cstdint>

// The window messages beyond those the key rules name, as Win32 numbers them.
enum : unsigned {
    MESSAGE_DESTROY = 0x0002,
    MESSAGE_CLOSE = 0x0010,
    MESSAGE_KEYUP = 0x0101,
    MESSAGE_COMMAND = 0x0111
};

enum class WindowEffect {
    PassOn,    // not the game's: the window system's default handling
    Ignore,    // a menu command the game does not know: nothing happens
    PostClose, // File > Exit: a close is posted, and the window closes without a question
    ShowAbout, // Help > About: the About box
    Destroy,   // a close destroys the window, at once
    PostQuit   // the window's end posts the quit message, exit code 0
};

WindowEffect WindowEffectOf(unsigned message, std::uint64_t wParam);
