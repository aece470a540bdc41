// The screen as assistive technology reads it: which elements the current screen
// has, with their roles, names and rectangles, which of them has the keyboard
// focus, and what changed since the last frame that a screen reader must be told.
//
// Decided here once, from each frame's report. The exe's UI Automation provider
// (app/) and the page (web/) only translate it, so a screen reader hears the same
// things from both.
//
// One game's elements, screen by screen:
//   - every text a screen draws is a Text, named by the text as drawn;
//   - a question screen's answer is an Edit, named by its question, described by
//     the screen's other texts, whose value is the answer as its box shows it; it
//     has the focus, so a screen reader says the new question when it appears;
//   - a screen without an answer box says its texts as a live region does, once
//     when they appear and again whenever they change (the thinking messages);
//   - the results are a List named "Your results", a ListItem for each line that
//     is not blank; the first line takes the focus when they appear, and the
//     arrow keys, Home and End move it from line to line.
#pragma once

#include "render/frame_report.h"

#include <cstdint>

enum class AccessibleRole : unsigned char { Text, Edit, List, ListItem };

enum {
    // Every text a screen draws, the answer, and the results' list: the results
    // screen has the most, one list and 15 lines.
    ACCESSIBLE_NODES_MAX = FRAME_TEXTS_MAX + 2,
    // Each node's name and description, terminated.
    ACCESSIBLE_STRINGS_SIZE = 2 * FRAME_TEXTS_SIZE + 64
};

// The name of the results' list, as the exe and the page both show it to a reader.
extern const char RESULTS_LIST_NAME[]; // "Your results"

struct AccessibleNode {
    AccessibleRole role;
    int parent;      // the List's index for a ListItem; -1 for a child of the window
    int name;        // offset of the terminated name in AccessibleScreen::strings
    int description; // offset of the terminated description ("" when it has none)
    PixelBox bounds; // in the client area's pixels
    bool live;       // a reader says the name when it appears or changes
};

struct AccessibleScreen {
    int screen = -1;     // the GameScreen drawn; -1 before the first frame
    unsigned serial = 0; // changes whenever the elements stop being the same elements
    int count = 0;       // nodes in use, in reading order: a List before its ListItems
    int focus = -1;      // the node with the keyboard focus; -1: the window itself
    int edit = -1;       // the Edit's node, -1 when the screen takes no answer
    char value[FRAME_ANSWER_SIZE] = ""; // the Edit's value, terminated
    AccessibleNode nodes[ACCESSIBLE_NODES_MAX];
    char strings[ACCESSIBLE_STRINGS_SIZE] = ""; // names and descriptions; 0 is ""
    int stringsLength = 1;
};

inline const char* AccessibleName(const AccessibleScreen& screen, int node) {
    return screen.strings + screen.nodes[node].name;
}
inline const char* AccessibleDescription(const AccessibleScreen& screen, int node) {
    return screen.strings + screen.nodes[node].description;
}

// What a reader must be told after a frame, at most one announcement each.
struct AccessibleChanges {
    bool elements; // the elements are new ones: the old ones are gone (serial changed)
    bool focus;    // the focus moved to screen.focus (-1: back to the window)
    bool value;    // the Edit's value changed, and not because a new Edit came
    // Live nodes whose name is new, in reading order.
    int liveCount;
    int live[ACCESSIBLE_NODES_MAX];
};

// Builds the screen the frame drew from its report and says what changed since
// the last frame. The focus among the results' lines is kept from frame to frame.
AccessibleChanges UpdateAccessibleScreen(const FrameReport& report);

// The screen as the last frame left it, and as the frame before it did (the
// Edit's value before a change, for a reader that asks for both).
const AccessibleScreen& CurrentAccessibleScreen();
const AccessibleScreen& PreviousAccessibleScreen();

// The keys that move the focus among the results' lines, as Win32 numbers them.
enum : int {
    ACCESSIBLE_KEY_END = 0x23,
    ACCESSIBLE_KEY_HOME = 0x24,
    ACCESSIBLE_KEY_UP = 0x26,
    ACCESSIBLE_KEY_DOWN = 0x28
};

// Moves the focus among the results' lines for a key pressed: true when it moved
// (the reader is then told), false for any other key or screen, or at an end.
bool MoveAccessibleFocus(int virtualKey);

// A fresh start, for a new game (tests).
void ResetAccessibleScreen();
