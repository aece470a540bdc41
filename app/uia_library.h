// UI Automation's functions, and the BSTR, VARIANT and SAFEARRAY helpers they
// need, looked up at run time in uiautomationcore.dll and oleaut32.dll. The exe
// imports neither: it starts on a Windows without them, and loads them only when
// a screen reader first asks for the window's elements.
#pragma once

#include "app/uia_interfaces.h"

struct UiaLibrary {
    // uiautomationcore.dll
    LRESULT(WINAPI* returnRawElementProvider)(HWND, WPARAM, LPARAM, IRawElementProviderSimple*);
    HRESULT(WINAPI* hostProviderFromHwnd)(HWND, IRawElementProviderSimple**);
    HRESULT(WINAPI* raiseAutomationEvent)(IRawElementProviderSimple*, EVENTID);
    HRESULT(WINAPI* raisePropertyChangedEvent)
    (IRawElementProviderSimple*, PROPERTYID, VARIANT, VARIANT);
    // Windows 8 and later; null before.
    HRESULT(WINAPI* disconnectProvider)(IRawElementProviderSimple*);
    // oleaut32.dll
    BSTR(WINAPI* sysAllocStringLen)(const OLECHAR*, UINT);
    void(WINAPI* sysFreeString)(BSTR);
    SAFEARRAY*(WINAPI* safeArrayCreateVector)(VARTYPE, LONG, ULONG);
    HRESULT(WINAPI* safeArrayPutElement)(SAFEARRAY*, LONG*, void*);
    HRESULT(WINAPI* safeArrayDestroy)(SAFEARRAY*);
};

// The functions, loaded by the first call; null when a library, or any function
// but disconnectProvider, is missing: the game then leaves the window's requests
// to DefWindowProcA, as it always has. The table is the process's own, so the
// Win32 tests put recorders in place of the two raise functions (Wine 8.0's
// deliver nothing to a listener).
UiaLibrary* LoadUiaLibrary();

// A BSTR of a game text, read as the "A" calls that draw it read it (the ANSI code
// page); null when out of memory. The caller frees it.
BSTR NewBstr(const UiaLibrary& library, const char* text);
