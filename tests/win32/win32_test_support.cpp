#include "tests/win32/win32_test_support.h"

#include "app/win32_shell.h"

#include <gtest/gtest.h>

namespace {

MessageBoxWatcher* activeWatcher = nullptr;
HHOOK watcherHook = nullptr;
int watcherAnswer = IDOK;

std::string TextOf(HWND window) {
    char buffer[1024] = "";
    GetWindowTextA(window, buffer, sizeof buffer);
    return buffer;
}

LRESULT CALLBACK WatchBoxes(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && activeWatcher != nullptr) {
        HWND box = reinterpret_cast<HWND>(wParam);
        HWND label = GetDlgItem(box, 0xFFFF);
        char className[32] = "";
        GetClassNameA(box, className, sizeof className);
        // A message box is a dialog (class "#32770") with its text in static 0xFFFF.
        if (label != nullptr && lstrcmpA(className, "#32770") == 0 &&
            GetPropA(box, "seen") == nullptr) {
            SetPropA(box, "seen", reinterpret_cast<HANDLE>(1));
            SeenBox seen;
            seen.owner = GetWindow(box, GW_OWNER);
            seen.caption = TextOf(box);
            seen.text = TextOf(label);
            seen.hasOk = GetDlgItem(box, IDOK) != nullptr;
            seen.hasCancel = GetDlgItem(box, IDCANCEL) != nullptr;
            seen.hasYes = GetDlgItem(box, IDYES) != nullptr;
            activeWatcher->boxes.push_back(seen);
            PostMessageA(box, WM_COMMAND, MAKEWPARAM(watcherAnswer, BN_CLICKED), 0);
        }
    }
    return CallNextHookEx(watcherHook, code, wParam, lParam);
}

const char TEST_CLASS[] = "LorvanTestWindow";

} // namespace

int DrainMessages() {
    int count = 0;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        DispatchMessageA(&message);
        ++count;
    }
    return count;
}

HWND CreateGameProcWindow(int width, int height, bool show) {
    static bool registered = false;
    if (!registered) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = MainWindowProc;
        windowClass.hInstance = GetModuleHandleA(nullptr);
        windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
        windowClass.lpszClassName = TEST_CLASS;
        registered = RegisterClassExA(&windowClass) != 0;
    }
    HWND window =
        CreateWindowExA(0, TEST_CLASS, "Lorvan test window", WS_OVERLAPPEDWINDOW, 0, 0, width,
                        height, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (window != nullptr && show) {
        ShowWindow(window, SW_SHOWNORMAL);
        UpdateWindow(window);
    }
    return window;
}

MessageBoxWatcher::MessageBoxWatcher(int answer) {
    activeWatcher = this;
    watcherAnswer = answer;
    watcherHook = SetWindowsHookExA(WH_CBT, WatchBoxes, nullptr, GetCurrentThreadId());
}

MessageBoxWatcher::~MessageBoxWatcher() {
    UnhookWindowsHookEx(watcherHook);
    watcherHook = nullptr;
    activeWatcher = nullptr;
}

std::string LorvanExePath() {
    // Wine maps the Unix root to drive Z:.
    return std::string("Z:") + LORVAN_EXE_UNIX_PATH;
}

void ExpectGameMenu(HMENU bar) {
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(GetMenuItemCount(bar), 2);
    const struct {
        const char* title;
        const char* item;
        UINT id;
    } menus[] = {{"&File", "E&xit", 9001}, {"&Help", "&About", 9002}};
    for (int i = 0; i < 2; ++i) {
        char text[64];
        GetMenuStringA(bar, i, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, menus[i].title);
        HMENU popup = GetSubMenu(bar, i);
        ASSERT_NE(popup, nullptr);
        ASSERT_EQ(GetMenuItemCount(popup), 1);
        GetMenuStringA(popup, 0, text, sizeof text, MF_BYPOSITION);
        EXPECT_STREQ(text, menus[i].item);
        EXPECT_EQ(GetMenuItemID(popup, 0), menus[i].id);
    }
}
