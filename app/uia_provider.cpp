#include "app/uia_provider.h"

#include "accessibility/accessible_screen.h"
#include "app/uia_element.h"

namespace {

UiaElement* Root = nullptr;

struct Section {
    CRITICAL_SECTION section;
    Section() { InitializeCriticalSection(&section); }
};

CRITICAL_SECTION& ReadersSection() {
    static Section readers; // made once, on the first reader's request
    return readers.section;
}

// The first request: the library is loaded, and the texts' rectangles measured as
// they are drawn from now on; the elements are those of the frame last drawn.
UiaElement* StartServing(HWND window) {
    const UiaLibrary* library = LoadUiaLibrary();
    if (library == nullptr) {
        return nullptr;
    }
    Root = UiaElement::NewRoot(window, *library);
    if (Root != nullptr) {
        const ReaderLock lock;
        MeasureDrawnTexts(true);
        UpdateAccessibleScreen(CurrentFrameReport());
    }
    return Root;
}

} // namespace

ReaderLock::ReaderLock() {
    EnterCriticalSection(&ReadersSection());
}

ReaderLock::~ReaderLock() {
    LeaveCriticalSection(&ReadersSection());
}

UiaElement* ServedRoot() {
    return Root;
}

bool AnswerAccessibilityRequest(HWND window, WPARAM wParam, LPARAM lParam, LRESULT* answer) {
    const LONG objectId = static_cast<LONG>(lParam);
    if (objectId == uia::RootObjectId && Root == nullptr && StartServing(window) == nullptr) {
        return false;
    }
    // MSAA's request goes to the same elements through Windows' bridge; Wine 8.0
    // has no bridge and gives 0, and the default procedure answers as before.
    const bool asked = objectId == uia::RootObjectId || objectId == OBJID_CLIENT;
    if (!asked || Root == nullptr || Root->Window() != window) {
        return false;
    }
    *answer = Root->Library().returnRawElementProvider(window, wParam, lParam, Root->Simple());
    return *answer != 0;
}

void DisconnectReaders(HWND window) {
    if (Root == nullptr || Root->Window() != window) {
        return;
    }
    const UiaLibrary& library = Root->Library();
    // Tells UI Automation that the window's elements are gone, so a client that
    // holds one hears so at once instead of waiting on a dead window.
    library.returnRawElementProvider(window, 0, 0, nullptr);
    if (library.disconnectProvider != nullptr) {
        library.disconnectProvider(Root->Simple());
    }
    {
        const ReaderLock lock;
        Root->Disconnect();
        MeasureDrawnTexts(false);
    }
    Root->Release();
    Root = nullptr;
}
