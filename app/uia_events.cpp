// What a screen reader is told, after each frame and for the results' keys: the
// focus moving to a new node, the Edit's value changing, a live node's new name.
// The accessible screen decides each; here they are raised through UI Automation,
// after the screen has been read under the readers' lock and let go.
#include "app/uia_provider.h"

#include "accessibility/accessible_screen.h"
#include "app/uia_element.h"

static_assert(ACCESSIBLE_KEY_UP == VK_UP && ACCESSIBLE_KEY_DOWN == VK_DOWN &&
                  ACCESSIBLE_KEY_HOME == VK_HOME && ACCESSIBLE_KEY_END == VK_END,
              "the results' keys match Win32");

namespace {

// What one frame tells: at most a focus, a value and every live node.
struct Announcements {
    UiaElement* focus = nullptr;
    UiaElement* edit = nullptr;
    BSTR before = nullptr; // the Edit's value before and after a typed character
    BSTR after = nullptr;
    int liveCount = 0;
    UiaElement* live[ACCESSIBLE_NODES_MAX] = {};
};

// Read under the lock from the screen and its changes.
void Collect(UiaElement* root, const AccessibleChanges& changes, Announcements* told) {
    const AccessibleScreen& screen = CurrentAccessibleScreen();
    // A screen without an answer or results leaves the focus on the window, whose
    // live texts say the screen: a focus event there would only repeat the title.
    if (changes.focus) {
        told->focus = root->NewNode(screen.focus);
    }
    if (changes.value) {
        told->edit = root->NewNode(screen.edit);
        told->before = NewBstr(root->Library(), PreviousAccessibleScreen().value);
        told->after = NewBstr(root->Library(), screen.value);
    }
    for (int i = 0; i < changes.liveCount; ++i) {
        told->live[told->liveCount] = root->NewNode(changes.live[i]);
        told->liveCount += told->live[told->liveCount] != nullptr ? 1 : 0;
    }
}

void Raise(const UiaLibrary& library, UiaElement* element, EVENTID event) {
    if (element != nullptr) {
        library.raiseAutomationEvent(element->Simple(), event);
        element->Release();
    }
}

void Tell(const UiaLibrary& library, Announcements& told) {
    Raise(library, told.focus, uia::AutomationFocusChangedEventId);
    if (told.edit != nullptr && told.before != nullptr && told.after != nullptr) {
        VARIANT before = {};
        VARIANT after = {};
        before.vt = after.vt = VT_BSTR;
        before.bstrVal = told.before;
        after.bstrVal = told.after;
        library.raisePropertyChangedEvent(told.edit->Simple(), uia::ValueValuePropertyId, before,
                                          after);
    }
    if (told.edit != nullptr) {
        told.edit->Release();
    }
    library.sysFreeString(told.before);
    library.sysFreeString(told.after);
    for (int i = 0; i < told.liveCount; ++i) {
        Raise(library, told.live[i], uia::LiveRegionChangedEventId);
    }
}

} // namespace

void TellReadersOfFrame(const FrameReport& report) {
    UiaElement* root = ServedRoot();
    if (root == nullptr) {
        return;
    }
    Announcements told;
    {
        const ReaderLock lock;
        Collect(root, UpdateAccessibleScreen(report), &told);
    }
    Tell(root->Library(), told);
}

void TellReadersOfKey(WPARAM key) {
    UiaElement* root = ServedRoot();
    if (root == nullptr) {
        return;
    }
    UiaElement* focus = nullptr;
    {
        const ReaderLock lock;
        if (MoveAccessibleFocus(static_cast<int>(key))) {
            focus = root->NewNode(CurrentAccessibleScreen().focus);
        }
    }
    Raise(root->Library(), focus, uia::AutomationFocusChangedEventId);
}
