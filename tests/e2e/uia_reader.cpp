// The probe's "uia <hwnd>": the window's UI Automation tree as a screen reader in
// another process reads it, through uiautomationcore.dll's client functions
// (UiaNodeFromHandle, UiaNavigate, UiaGetPropertyValue), looked up at run time:
// mingw-w64 has no import library for them.
//
// One line per element, two spaces deeper for each level below the window: "*"
// when it has the keyboard focus, "~" when it is a live region, its control type,
// ": " and its name, then " | " and its description when it has one; line feeds
// as \n. (Wine 8.0 hands a client no rectangles.) A last line "read <n> elements
// in <ms> ms" times the walk.
#include <ole2.h>

#include <oleacc.h>
#include <uiautomationcore.h>

#include <cstdio>

// Wine 8.0's own interface between a client and a provider's process.
MIDL_INTERFACE("bccb6799-d831-4057-bd50-6425823ff1a3")
IWineUiaNode : public IUnknown {
    virtual HRESULT STDMETHODCALLTYPE get_provider(int index, IUnknown** provider) = 0;
};
__CRT_UUID_DECL(IWineUiaNode, 0xbccb6799, 0xd831, 0x4057, 0xbd, 0x50, 0x64, 0x25, 0x82, 0x3f, 0xf1,
                0xa3)

namespace {

typedef struct UiaNodeHandle* UiaNode;
struct UiaCondition {
    int type; // 0: every element
};
struct UiaCacheRequest {
    UiaCondition* view;
    int scope; // 1: the element alone
    PROPERTYID* properties;
    int propertyCount;
    PATTERNID* patterns;
    int patternCount;
    int mode; // 1: a node to navigate from
};

HRESULT(WINAPI* NodeFromHandle)(HWND, UiaNode*);
HRESULT(WINAPI* Navigate)
(UiaNode, NavigateDirection, UiaCondition*, UiaCacheRequest*, SAFEARRAY**, BSTR*);
HRESULT(WINAPI* GetPropertyValue)(UiaNode, PROPERTYID, VARIANT*);
HRESULT(WINAPI* NodeFromVariant)(VARIANT*, UiaNode*);
BOOL(WINAPI* NodeRelease)(UiaNode);

template <typename Function> bool Find(HMODULE module, const char* name, Function* function) {
    *function = reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
    return *function != nullptr;
}

bool LoadClient() {
    HMODULE core = LoadLibraryA("uiautomationcore.dll");
    return core != nullptr && Find(core, "UiaNodeFromHandle", &NodeFromHandle) &&
           Find(core, "UiaNavigate", &Navigate) &&
           Find(core, "UiaGetPropertyValue", &GetPropertyValue) &&
           Find(core, "UiaHUiaNodeFromVariant", &NodeFromVariant) &&
           Find(core, "UiaNodeRelease", &NodeRelease);
}

// The first child of a node, or the node after it; null when there is none.
UiaNode Step(UiaNode from, NavigateDirection direction) {
    UiaCondition every = {0};
    UiaCacheRequest request = {&every, 1, nullptr, 0, nullptr, 0, 1};
    SAFEARRAY* found = nullptr;
    BSTR structure = nullptr;
    UiaNode node = nullptr;
    LONG first[2] = {0, 0};
    VARIANT element = {};
    if (SUCCEEDED(Navigate(from, direction, &every, &request, &found, &structure)) &&
        found != nullptr && SUCCEEDED(SafeArrayGetElement(found, first, &element))) {
        NodeFromVariant(&element, &node);
    }
    VariantClear(&element);
    SafeArrayDestroy(found);
    SysFreeString(structure);
    return node;
}

// A number or truth property, 0 when unknown; or a text property, printed after a
// lead-in when it is not empty.
long Property(UiaNode node, PROPERTYID property, const char* lead = nullptr) {
    VARIANT value = {};
    const bool known = SUCCEEDED(GetPropertyValue(node, property, &value));
    const long number = !known              ? 0
                        : value.vt == VT_I4 ? value.lVal
                                            : value.vt == VT_BOOL && value.boolVal;
    if (known && lead != nullptr && value.vt == VT_BSTR && SysStringLen(value.bstrVal) > 0) {
        std::fputs(lead, stdout);
        for (const wchar_t* c = value.bstrVal; *c != L'\0'; ++c) {
            const char plain[] = {*c < 0x80 ? static_cast<char>(*c) : '?', '\0'};
            std::fputs(*c == L'\n' ? "\\n" : *c == L'\\' ? "\\\\" : plain, stdout);
        }
    }
    VariantClear(&value);
    return number;
}

// Prints the node's children and theirs, depth first; returns how many.
int PrintChildren(UiaNode parent, int depth) {
    int count = 0;
    for (UiaNode node = Step(parent, NavigateDirection_FirstChild); node != nullptr;) {
        const long role = Property(node, 30003);                                  // ControlType
        std::printf("%*s%s%s%s", depth * 2, "", Property(node, 30008) ? "*" : "", // focused
                    Property(node, 30135) ? "~" : "",                             // live
                    role == 50004   ? "Edit"
                    : role == 50007 ? "ListItem"
                    : role == 50008 ? "List"
                    : role == 50020 ? "Text"
                                    : "Other");
        Property(node, 30005, ": ");  // Name
        Property(node, 30159, " | "); // FullDescription
        std::printf("\n");
        count += 1 + PrintChildren(node, depth + 1);
        UiaNode next = Step(node, NavigateDirection_NextSibling);
        NodeRelease(node);
        node = next;
    }
    return count;
}

// Wine 8.0 serves each navigation through an interface of the game's process
// that it marshals and drops again; when the last copy of that interface is
// dropped, Wine's RPC waits for calls on it to end, and now and then waits for
// ever: from then on the game's process answers no client. Holding one copy
// while the window is read keeps the interface from ever being dropped. On
// Windows there is no such interface, and nothing is held.
void HoldProviderInterface(HWND window) {
    const LRESULT answer = SendMessageA(window, WM_GETOBJECT, 0, -25); // UiaRootObjectId
    IWineUiaNode* node = nullptr;
    IUnknown* provider = nullptr; // held for the probe's life
    if (answer != 0 && SUCCEEDED(ObjectFromLresult(answer, __uuidof(IWineUiaNode), 0,
                                                   reinterpret_cast<void**>(&node)))) {
        node->get_provider(0, &provider);
        node->Release();
    }
}

} // namespace

int PrintAccessibleTree(HWND window) {
    static const bool loaded = LoadClient();
    // The window's node is kept for the probe's life (one game), as a screen reader
    // keeps it: Wine 8.0 would end the game's provider thread whenever a client
    // lets go of every node, and a request that meets that end may never return.
    static HWND served = nullptr;
    static UiaNode root = nullptr;
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    if (loaded && window != served && SUCCEEDED(NodeFromHandle(window, &root)) && root) {
        CoInitializeEx(nullptr, COINIT_MULTITHREADED); // after: else no node comes
        HoldProviderInterface(window);
        served = window;
    }
    if (window != served) {
        std::printf("no UI Automation tree for the window\n");
        return 1;
    }
    const int count = PrintChildren(root, 0);
    QueryPerformanceCounter(&end);
    std::printf("read %d elements in %.1f ms\n", count,
                1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart));
    return 0;
}
