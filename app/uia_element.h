// One element of the game window's UI Automation tree, as a COM object: the
// fragment root for the window itself, or a node of the accessible screen
// (accessibility/accessible_screen.h), which decides everything each answers;
// the object only translates it.
//
// A node belongs to the screen it was made for: once the accessible screen's
// serial changes (a new screen, new elements), and once the window is gone, it
// answers UIA_E_ELEMENTNOTAVAILABLE. UI Automation calls the elements from
// threads of its own too, so every method that reads the accessible screen holds
// the readers' lock (uia_provider.h) while it does.
#pragma once

#include "app/uia_library.h"

class UiaElement final : public IRawElementProviderSimple,
                         public IRawElementProviderFragment,
                         public IRawElementProviderFragmentRoot,
                         public IValueProvider {
  public:
    // The root of the window's tree, with one reference for the caller.
    static UiaElement* NewRoot(HWND window, const UiaLibrary& library);
    // A root's element for a node of the current accessible screen, with one
    // reference for the caller; null when there is no such node.
    UiaElement* NewNode(int node);
    // A root's window is gone: its elements answer no more.
    void Disconnect();

    IRawElementProviderSimple* Simple() { return this; }
    const UiaLibrary& Library() const { return library; }
    HWND Window() const { return window; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;

    // IRawElementProviderSimple (uia_element.cpp)
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;

    // IRawElementProviderFragment and IRawElementProviderFragmentRoot: the tree, the
    // rectangles and the focus (uia_element_tree.cpp)
    HRESULT STDMETHODCALLTYPE Navigate(NavigateDirection direction,
                                       IRawElementProviderFragment** found) override;
    HRESULT STDMETHODCALLTYPE GetRuntimeId(SAFEARRAY** id) override;
    HRESULT STDMETHODCALLTYPE get_BoundingRectangle(UiaRect* rect) override;
    HRESULT STDMETHODCALLTYPE GetEmbeddedFragmentRoots(SAFEARRAY** roots) override;
    HRESULT STDMETHODCALLTYPE SetFocus() override;
    HRESULT STDMETHODCALLTYPE get_FragmentRoot(IRawElementProviderFragmentRoot** root) override;
    HRESULT STDMETHODCALLTYPE
    ElementProviderFromPoint(double x, double y, IRawElementProviderFragment** found) override;
    HRESULT STDMETHODCALLTYPE GetFocus(IRawElementProviderFragment** focused) override;

    // IValueProvider, the Edit's alone (uia_element.cpp)
    HRESULT STDMETHODCALLTYPE SetValue(LPCWSTR value) override;
    HRESULT STDMETHODCALLTYPE get_Value(BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_IsReadOnly(BOOL* readOnly) override;

  private:
    enum { ROOT = -1 };
    UiaElement(UiaElement* root, HWND window, const UiaLibrary& library, int node);
    ~UiaElement();
    UiaElement(const UiaElement&) = delete;
    UiaElement& operator=(const UiaElement&) = delete;

    // Whether the element still stands for what it was made for.
    bool Available() const;
    // Begins a method that hands out *out: E_POINTER without a place for it; else
    // the place emptied, and UIA_E_ELEMENTNOTAVAILABLE once the element has gone.
    template <typename Out> HRESULT Start(Out* out) const {
        if (out == nullptr) {
            return E_POINTER;
        }
        *out = Out();
        return Available() ? S_OK : uia::ElementNotAvailable;
    }
    // The current screen's element of a node, as a fragment; null for none.
    IRawElementProviderFragment* Fragment(int node);

    LONG references = 1;
    UiaElement* const root; // this for the root; a node holds a reference to it
    const HWND window;
    const UiaLibrary& library;
    const int node;        // ROOT, or the node's index in the accessible screen
    const unsigned serial; // the accessible screen's serial when the node was made
    const bool edit;       // the node is the answer's Edit
    bool connected = true; // the root's: false once the window has gone
};
