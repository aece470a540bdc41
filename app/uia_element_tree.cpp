// An element's place in the tree, in reading order: the window's root holds the
// screen's texts, its Edit and its List; a List holds its ListItems. Also each
// element's rectangle in screen pixels, its runtime id, and the root's focus.
#include "app/uia_element.h"

#include "accessibility/accessible_screen.h"
#include "app/uia_provider.h"

namespace {

// The next node after from (or before it, step -1) with the given parent: the
// nodes are in reading order, a List's items right after it.
int SiblingOf(const AccessibleScreen& screen, int from, int step, int parent) {
    for (int i = from + step; i >= 0 && i < screen.count; i += step) {
        if (screen.nodes[i].parent == parent) {
            return i;
        }
    }
    return -1;
}

bool Contains(const PixelBox& box, const POINT& point) {
    return point.x >= box.left && point.x < box.left + box.width && point.y >= box.top &&
           point.y < box.top + box.height;
}

} // namespace

IRawElementProviderFragment* UiaElement::Fragment(int index) {
    UiaElement* element = root->NewNode(index);
    return element != nullptr ? static_cast<IRawElementProviderFragment*>(element) : nullptr;
}

HRESULT UiaElement::Navigate(NavigateDirection direction, IRawElementProviderFragment** found) {
    const ReaderLock lock;
    const HRESULT started = Start(found);
    if (started != S_OK) {
        return started;
    }
    const AccessibleScreen& screen = CurrentAccessibleScreen();
    // The root's children are the nodes without a parent; it has no siblings here
    // (the window's own provider answers for those).
    const int parent = node == ROOT ? ROOT : screen.nodes[node].parent;
    switch (direction) {
    case NavigateDirection_Parent:
        if (node != ROOT && parent == ROOT) {
            *found = root;
            root->AddRef();
        } else if (node != ROOT) {
            *found = Fragment(parent);
        }
        break;
    case NavigateDirection_NextSibling:
    case NavigateDirection_PreviousSibling:
        if (node != ROOT) {
            const int step = direction == NavigateDirection_NextSibling ? 1 : -1;
            *found = Fragment(SiblingOf(screen, node, step, parent));
        }
        break;
    case NavigateDirection_FirstChild:
        *found = Fragment(SiblingOf(screen, node, 1, node));
        break;
    case NavigateDirection_LastChild:
        *found = Fragment(SiblingOf(screen, screen.count, -1, node));
        break;
    }
    return S_OK;
}

HRESULT UiaElement::GetRuntimeId(SAFEARRAY** id) {
    const ReaderLock lock;
    const HRESULT started = Start(id);
    if (started != S_OK) {
        return started;
    }
    if (node == ROOT) {
        return S_OK; // the window's own id, from the host
    }
    // A new screen's elements are new elements: the serial is part of the id.
    LONG parts[] = {uia::AppendRuntimeId, static_cast<LONG>(serial), node};
    const LONG count = static_cast<LONG>(sizeof parts / sizeof parts[0]);
    *id = library.safeArrayCreateVector(VT_I4, 0, static_cast<ULONG>(count));
    if (*id == nullptr) {
        return E_OUTOFMEMORY;
    }
    for (LONG i = 0; i < count; ++i) {
        library.safeArrayPutElement(*id, &i, &parts[i]);
    }
    return S_OK;
}

HRESULT UiaElement::get_BoundingRectangle(UiaRect* rect) {
    const ReaderLock lock;
    const HRESULT started = Start(rect);
    if (started != S_OK) {
        return started;
    }
    if (node == ROOT) {
        return S_OK; // the window's rectangle, from the host
    }
    // Client pixels are the monitor's pixels: the game is aware of every monitor's
    // scale, so no scaling stands between them and the screen.
    const PixelBox& box = CurrentAccessibleScreen().nodes[node].bounds;
    POINT corner = {box.left, box.top};
    ClientToScreen(window, &corner);
    *rect = UiaRect{static_cast<double>(corner.x), static_cast<double>(corner.y),
                    static_cast<double>(box.width), static_cast<double>(box.height)};
    return S_OK;
}

HRESULT UiaElement::GetEmbeddedFragmentRoots(SAFEARRAY** roots) {
    const ReaderLock lock;
    return Start(roots); // none: the game embeds no other window's elements
}

HRESULT UiaElement::SetFocus() {
    const ReaderLock lock;
    // The game keeps the focus where its screen puts it.
    return Available() ? S_OK : uia::ElementNotAvailable;
}

HRESULT UiaElement::get_FragmentRoot(IRawElementProviderFragmentRoot** fragmentRoot) {
    const ReaderLock lock;
    const HRESULT started = Start(fragmentRoot);
    if (started == S_OK) {
        *fragmentRoot = root;
        root->AddRef();
    }
    return started;
}

HRESULT UiaElement::ElementProviderFromPoint(double x, double y,
                                             IRawElementProviderFragment** found) {
    const ReaderLock lock;
    const HRESULT started = Start(found);
    if (started != S_OK) {
        return started;
    }
    POINT point = {static_cast<LONG>(x), static_cast<LONG>(y)};
    ScreenToClient(window, &point);
    // The last node that holds the point is the innermost: a list's items follow it.
    const AccessibleScreen& screen = CurrentAccessibleScreen();
    for (int i = screen.count - 1; i >= 0; --i) {
        if (Contains(screen.nodes[i].bounds, point)) {
            *found = Fragment(i);
            break;
        }
    }
    return S_OK;
}

HRESULT UiaElement::GetFocus(IRawElementProviderFragment** focused) {
    const ReaderLock lock;
    const HRESULT started = Start(focused);
    if (started == S_OK) {
        *focused = Fragment(CurrentAccessibleScreen().focus); // none: the window itself
    }
    return started;
}
