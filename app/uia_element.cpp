// An element's identity and what it says of itself: its role, name, description,
// focus, live setting, and the Edit's value.
#include "app/uia_element.h"

#include "accessibility/accessible_screen.h"
#include "app/uia_provider.h"

#include <new>

namespace {

CONTROLTYPEID ControlTypeOf(AccessibleRole role) {
    switch (role) {
    case AccessibleRole::Text:
        return uia::TextControlTypeId;
    case AccessibleRole::Edit:
        return uia::EditControlTypeId;
    case AccessibleRole::List:
        return uia::ListControlTypeId;
    case AccessibleRole::ListItem:
        return uia::ListItemControlTypeId;
    }
    return uia::TextControlTypeId;
}

void SetInteger(VARIANT* value, int number) {
    value->vt = VT_I4;
    value->lVal = number;
}

void SetBoolean(VARIANT* value, bool truth) {
    value->vt = VT_BOOL;
    value->boolVal = truth ? VARIANT_TRUE : VARIANT_FALSE;
}

// An empty text is left unanswered, so a client takes the property's default.
void SetText(VARIANT* value, const UiaLibrary& library, const char* text) {
    if (*text != '\0') {
        value->bstrVal = NewBstr(library, text);
        value->vt = value->bstrVal != nullptr ? VT_BSTR : VT_EMPTY;
    }
}

} // namespace

UiaElement::UiaElement(UiaElement* rootElement, HWND ownWindow, const UiaLibrary& functions,
                       int index)
    : root(rootElement != nullptr ? rootElement : this), window(ownWindow), library(functions),
      node(index), serial(CurrentAccessibleScreen().serial),
      edit(index != ROOT && index == CurrentAccessibleScreen().edit) {
    if (root != this) {
        root->AddRef();
    }
}

UiaElement::~UiaElement() {
    if (root != this) {
        root->Release();
    }
}

UiaElement* UiaElement::NewRoot(HWND window, const UiaLibrary& library) {
    return new (std::nothrow) UiaElement(nullptr, window, library, ROOT);
}

UiaElement* UiaElement::NewNode(int index) {
    if (index < 0 || index >= CurrentAccessibleScreen().count || !connected) {
        return nullptr;
    }
    return new (std::nothrow) UiaElement(this, window, library, index);
}

void UiaElement::Disconnect() {
    connected = false;
}

bool UiaElement::Available() const {
    const AccessibleScreen& screen = CurrentAccessibleScreen();
    return root->connected && (node == ROOT || (screen.serial == serial && node < screen.count));
}

HRESULT UiaElement::QueryInterface(REFIID id, void** object) {
    if (object == nullptr) {
        return E_POINTER;
    }
    *object = nullptr;
    if (id == __uuidof(IUnknown) || id == __uuidof(IRawElementProviderSimple)) {
        *object = static_cast<IRawElementProviderSimple*>(this);
    } else if (id == __uuidof(IRawElementProviderFragment)) {
        *object = static_cast<IRawElementProviderFragment*>(this);
    } else if (id == __uuidof(IRawElementProviderFragmentRoot) && node == ROOT) {
        *object = static_cast<IRawElementProviderFragmentRoot*>(this);
    } else if (id == __uuidof(IValueProvider) && edit) {
        *object = static_cast<IValueProvider*>(this);
    } else {
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG UiaElement::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&references));
}

ULONG UiaElement::Release() {
    const LONG left = InterlockedDecrement(&references);
    if (left == 0) {
        delete this;
    }
    return static_cast<ULONG>(left);
}

HRESULT UiaElement::get_ProviderOptions(ProviderOptions* options) {
    if (options == nullptr) {
        return E_POINTER;
    }
    // Called on whatever thread UI Automation calls from, which the readers' lock
    // allows. Asking for COM threading as well (the calls on the game's thread, in
    // a COM apartment) hung Wine 8.0's client and the game's frames with it.
    *options = ProviderOptions_ServerSideProvider;
    return S_OK;
}

HRESULT UiaElement::GetPatternProvider(PATTERNID pattern, IUnknown** provider) {
    const ReaderLock lock;
    const HRESULT started = Start(provider);
    if (started != S_OK) {
        return started;
    }
    if (pattern == uia::ValuePatternId && edit) {
        *provider = static_cast<IValueProvider*>(this);
        AddRef();
    }
    return S_OK;
}

HRESULT UiaElement::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    const ReaderLock lock;
    const HRESULT started = Start(value);
    if (started != S_OK) {
        return started;
    }
    if (node == ROOT) {
        return S_OK; // the window's own provider, the host, answers for it
    }
    const AccessibleScreen& screen = CurrentAccessibleScreen();
    const AccessibleNode& element = screen.nodes[node];
    const bool focusable =
        element.role == AccessibleRole::Edit || element.role == AccessibleRole::ListItem;
    switch (property) {
    case uia::ControlTypePropertyId:
        SetInteger(value, ControlTypeOf(element.role));
        break;
    case uia::NamePropertyId:
        SetText(value, library, AccessibleName(screen, node));
        break;
    case uia::HasKeyboardFocusPropertyId:
        SetBoolean(value, screen.focus == node);
        break;
    case uia::IsKeyboardFocusablePropertyId:
        SetBoolean(value, focusable);
        break;
    case uia::IsEnabledPropertyId:
        SetBoolean(value, true);
        break;
    case uia::HelpTextPropertyId:
    case uia::FullDescriptionPropertyId:
        SetText(value, library, AccessibleDescription(screen, node));
        break;
    case uia::LiveSettingPropertyId:
        if (element.live) {
            SetInteger(value, uia::LivePolite);
        }
        break;
    default:
        break;
    }
    return S_OK;
}

HRESULT UiaElement::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    const ReaderLock lock;
    const HRESULT started = Start(host);
    if (started != S_OK || node != ROOT) {
        return started;
    }
    return library.hostProviderFromHwnd(window, host);
}

HRESULT UiaElement::SetValue(LPCWSTR) {
    const ReaderLock lock;
    // The answer is typed in the game, which keeps its own rules for each box.
    return Available() ? uia::InvalidOperation : uia::ElementNotAvailable;
}

HRESULT UiaElement::get_Value(BSTR* value) {
    const ReaderLock lock;
    const HRESULT started = Start(value);
    if (started != S_OK) {
        return started;
    }
    *value = NewBstr(library, CurrentAccessibleScreen().value);
    return *value != nullptr ? S_OK : E_OUTOFMEMORY;
}

HRESULT UiaElement::get_IsReadOnly(BOOL* readOnly) {
    const ReaderLock lock;
    return Start(readOnly); // FALSE: the player types into it
}
