#include "accessibility/accessible_screen.h"

#include <algorithm>
#include <cstring>

const char RESULTS_LIST_NAME[] = "Your results";

namespace {

AccessibleScreen Screens[2];
int Current = 0; // which of the two is the current screen; the other is the one before

AccessibleScreen& Now() {
    return Screens[Current];
}

const AccessibleScreen& Before() {
    return Screens[1 - Current];
}

// Appends text as a reader hears it, terminated, and returns its offset: its lines
// without the spaces around them and without the blank lines that only place the
// text on the screen, one line feed apart. What does not fit is cut off.
int AddSpoken(AccessibleScreen& screen, const char* text, int length) {
    const int at = screen.stringsLength;
    const int last = static_cast<int>(sizeof screen.strings) - 1; // the terminator's place
    int end = at;
    for (int start = 0; start < length;) {
        int stop = start;
        while (stop < length && text[stop] != '\n') {
            ++stop;
        }
        int from = start;
        int to = stop;
        while (from < to && text[from] == ' ') {
            ++from;
        }
        while (to > from && text[to - 1] == ' ') {
            --to;
        }
        if (from < to) {
            if (end > at && end < last) {
                screen.strings[end++] = '\n';
            }
            const int copied = std::min(to - from, last - end);
            std::memcpy(screen.strings + end, text + from, static_cast<std::size_t>(copied));
            end += copied;
        }
        start = stop + 1;
    }
    screen.strings[end] = '\0';
    screen.stringsLength = end + 1 <= last ? end + 1 : last;
    return at;
}

int AddNode(AccessibleScreen& screen, AccessibleRole role, int parent, int name,
            const PixelBox& bounds, bool live) {
    if (screen.count >= ACCESSIBLE_NODES_MAX) {
        return -1;
    }
    const int node = screen.count++;
    screen.nodes[node] = AccessibleNode{role, parent, name, 0, bounds, live};
    return node;
}

bool IsQuestion(const FrameReport& report, const FrameText& text) {
    return report.question != nullptr &&
           static_cast<std::size_t>(text.length) == std::strlen(report.question) &&
           std::memcmp(report.texts + text.offset, report.question,
                       static_cast<std::size_t>(text.length)) == 0;
}

// The Edit: named by the question, described by the screen's other texts, a line
// each.
void AddEdit(AccessibleScreen& screen, const FrameReport& report) {
    char description[FRAME_TEXTS_SIZE];
    std::size_t length = 0;
    for (int i = 0; i < report.itemCount; ++i) {
        const FrameText& text = report.items[i];
        if (IsQuestion(report, text)) {
            continue;
        }
        const std::size_t separator = length > 0 ? 1 : 0;
        if (length + separator >= sizeof description) {
            break; // never reached: the report's texts, separators and all, fit
        }
        const std::size_t copied = std::min(static_cast<std::size_t>(text.length),
                                            sizeof description - length - separator);
        std::memcpy(description + length, "\n", separator);
        std::memcpy(description + length + separator, report.texts + text.offset, copied);
        length += separator + copied;
    }
    const int name =
        AddSpoken(screen, report.question, static_cast<int>(std::strlen(report.question)));
    const int describedBy = AddSpoken(screen, description, static_cast<int>(length));
    screen.edit = AddNode(screen, AccessibleRole::Edit, -1, name, report.answerBox, false);
    if (screen.edit >= 0) {
        screen.nodes[screen.edit].description = describedBy;
    }
    std::memcpy(screen.value, report.answer, report.answerLength);
    screen.value[report.answerLength] = '\0';
}

// The elements a frame report gives. The focus is decided after, against the
// screen before.
void Build(AccessibleScreen& screen, const FrameReport& report) {
    screen.screen = report.screen;
    screen.count = 0;
    screen.edit = -1;
    screen.value[0] = '\0';
    screen.strings[0] = '\0'; // offset 0: the empty description
    screen.stringsLength = 1;

    // Texts in the order drawn; the Edit follows its question, or ends the screen.
    const bool asks = report.question != nullptr;
    int list = -1;
    for (int i = 0; i < report.itemCount; ++i) {
        const FrameText& text = report.items[i];
        if (text.listLine && list < 0) {
            list = AddNode(screen, AccessibleRole::List, -1,
                           AddSpoken(screen, RESULTS_LIST_NAME, sizeof RESULTS_LIST_NAME - 1),
                           PixelBox(), false);
        }
        const int name = AddSpoken(screen, report.texts + text.offset, text.length);
        const int node =
            AddNode(screen, text.listLine ? AccessibleRole::ListItem : AccessibleRole::Text,
                    text.listLine ? list : -1, name, text.bounds, !asks && !text.listLine);
        if (node >= 0 && text.listLine && list >= 0) {
            screen.nodes[list].bounds = UnionOf(screen.nodes[list].bounds, text.bounds);
        }
        if (asks && screen.edit < 0 && IsQuestion(report, text)) {
            AddEdit(screen, report);
        }
    }
    if (asks && screen.edit < 0) {
        AddEdit(screen, report);
    }
}

bool SameElements(const AccessibleScreen& a, const AccessibleScreen& b) {
    if (a.screen != b.screen || a.count != b.count) {
        return false;
    }
    for (int i = 0; i < a.count; ++i) {
        if (a.nodes[i].role != b.nodes[i].role || a.nodes[i].parent != b.nodes[i].parent) {
            return false;
        }
    }
    return true;
}

int FirstListItem(const AccessibleScreen& screen) {
    for (int i = 0; i < screen.count; ++i) {
        if (screen.nodes[i].role == AccessibleRole::ListItem) {
            return i;
        }
    }
    return -1;
}

bool IsListItem(const AccessibleScreen& screen, int node) {
    return node >= 0 && node < screen.count && screen.nodes[node].role == AccessibleRole::ListItem;
}

} // namespace

AccessibleChanges UpdateAccessibleScreen(const FrameReport& report) {
    Current = 1 - Current;
    AccessibleScreen& now = Now();
    const AccessibleScreen& before = Before();
    Build(now, report);

    AccessibleChanges changes = {};
    const bool same = SameElements(now, before);
    now.serial = same ? before.serial : before.serial + 1;
    changes.elements = !same;

    if (now.edit >= 0) {
        now.focus = now.edit;
    } else if (same && IsListItem(before, before.focus)) {
        now.focus = before.focus; // the arrow keys moved it there
    } else {
        now.focus = FirstListItem(now);
    }
    changes.focus = same ? now.focus != before.focus : now.focus >= 0;
    changes.value = same && now.edit >= 0 && std::strcmp(now.value, before.value) != 0;

    for (int i = 0; i < now.count; ++i) {
        if (now.nodes[i].live &&
            (!same || std::strcmp(AccessibleName(now, i), AccessibleName(before, i)) != 0)) {
            changes.live[changes.liveCount++] = i;
        }
    }
    return changes;
}

const AccessibleScreen& CurrentAccessibleScreen() {
    return Now();
}

const AccessibleScreen& PreviousAccessibleScreen() {
    return Before();
}

bool MoveAccessibleFocus(int virtualKey) {
    AccessibleScreen& screen = Now();
    if (!IsListItem(screen, screen.focus)) {
        return false;
    }
    int first = FirstListItem(screen);
    int last = first;
    while (IsListItem(screen, last + 1)) {
        ++last;
    }
    int to = screen.focus;
    switch (virtualKey) {
    case ACCESSIBLE_KEY_UP:
        to = screen.focus > first ? screen.focus - 1 : first;
        break;
    case ACCESSIBLE_KEY_DOWN:
        to = screen.focus < last ? screen.focus + 1 : last;
        break;
    case ACCESSIBLE_KEY_HOME:
        to = first;
        break;
    case ACCESSIBLE_KEY_END:
        to = last;
        break;
    default:
        return false;
    }
    const bool moved = to != screen.focus;
    screen.focus = to;
    return moved;
}

void ResetAccessibleScreen() {
    Screens[0] = AccessibleScreen();
    Screens[1] = AccessibleScreen();
    Current = 0;
}
