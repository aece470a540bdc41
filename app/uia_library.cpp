#include "app/uia_library.h"

namespace {

// Through void* to keep -Wcast-function-type quiet: GetProcAddress's FARPROC is
// the generic function pointer Windows hands out for any export.
template <typename Function> bool Find(HMODULE module, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *function != nullptr;
}

bool Load(UiaLibrary* library) {
    HMODULE core = LoadLibraryA("uiautomationcore.dll");
    HMODULE automation = LoadLibraryA("oleaut32.dll");
    if (core == nullptr || automation == nullptr) {
        return false;
    }
    Find(core, "UiaDisconnectProvider", &library->disconnectProvider);
    return Find(core, "UiaReturnRawElementProvider", &library->returnRawElementProvider) &&
           Find(core, "UiaHostProviderFromHwnd", &library->hostProviderFromHwnd) &&
           Find(core, "UiaRaiseAutomationEvent", &library->raiseAutomationEvent) &&
           Find(core, "UiaRaiseAutomationPropertyChangedEvent",
                &library->raisePropertyChangedEvent) &&
           Find(automation, "SysAllocStringLen", &library->sysAllocStringLen) &&
           Find(automation, "SysFreeString", &library->sysFreeString) &&
           Find(automation, "SafeArrayCreateVector", &library->safeArrayCreateVector) &&
           Find(automation, "SafeArrayPutElement", &library->safeArrayPutElement) &&
           Find(automation, "SafeArrayDestroy", &library->safeArrayDestroy);
}

} // namespace

UiaLibrary* LoadUiaLibrary() {
    // Looked up once: a Windows without the library stays without it.
    static UiaLibrary library = {};
    static const bool loaded = Load(&library);
    return loaded ? &library : nullptr;
}

BSTR NewBstr(const UiaLibrary& library, const char* text) {
    const int length = MultiByteToWideChar(CP_ACP, 0, text, -1, nullptr, 0);
    if (length <= 0) {
        return library.sysAllocStringLen(L"", 0);
    }
    // length counts the terminator, which SysAllocStringLen adds by itself.
    BSTR bstr = library.sysAllocStringLen(nullptr, static_cast<UINT>(length - 1));
    if (bstr != nullptr) {
        MultiByteToWideChar(CP_ACP, 0, text, -1, bstr, length);
    }
    return bstr;
}
