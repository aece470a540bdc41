#include "app/win32_shell.h"

#include "app/game_state.h"
#include "tests/support/fresh_game.h"
#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CreateMainWindow, OpensTheGameWindowCentredWithItsMenuAndIcons) {
    StartFreshGame();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA("LorvanMainWindow", instance); // in case another test registered it
    ASSERT_TRUE(RegisterMainWindowClass(instance));
    HWND window = CreateMainWindow(instance, SW_SHOWNORMAL);
    ASSERT_NE(window, nullptr);
    DrainMessages();

    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_EQ(outer.right - outer.left, 640);
    EXPECT_EQ(outer.bottom - outer.top, 480);
    EXPECT_EQ(outer.left, (GetSystemMetrics(SM_CXSCREEN) - 640) / 2);
    EXPECT_EQ(outer.top, (GetSystemMetrics(SM_CYSCREEN) - 480) / 2);
    EXPECT_TRUE(IsWindowVisible(window));

    char text[256];
    GetClassNameA(window, text, sizeof text);
    EXPECT_STREQ(text, "LorvanMainWindow");
    GetWindowTextA(window, text, sizeof text);
    EXPECT_EQ(std::string(text).rfind("Lorvan 2.0 - Word game by Tevarin Software", 0), 0u) << text;
    EXPECT_EQ(GetWindowLongA(window, GWL_STYLE) & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);

    EXPECT_EQ(GetClassLongPtrA(window, GCL_STYLE), static_cast<ULONG_PTR>(CS_DBLCLKS));
    EXPECT_EQ(GetClassLongPtrA(window, GCLP_HBRBACKGROUND), static_cast<ULONG_PTR>(1));
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICON), 0u);
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HICONSM), 0u);
    EXPECT_NE(GetClassLongPtrA(window, GCLP_HCURSOR), 0u);

    ExpectGameMenu(GetMenu(window));

    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);

    // The client area, not the outer size, becomes the layout's base.
    RECT client;
    GetClientRect(window, &client);
    EXPECT_LT(client.right, 640);
    EXPECT_LT(client.bottom, 480);

    // Left open: taking a shown window down waits two seconds for a window manager
    // that the test display does not run. The test's process ends soon.
    DrainMessages();
}

TEST(RunGame, EndsWithCodeZeroWithoutAMessageWhenTheClassCannotBeRegistered) {
    StartFreshGame();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    // Take the class name first (it may still be taken by an earlier test's window).
    UnregisterClassA("LorvanMainWindow", instance);
    WNDCLASSEXA taken = {};
    taken.cbSize = sizeof taken;
    taken.lpfnWndProc = DefWindowProcA;
    taken.hInstance = instance;
    taken.lpszClassName = "LorvanMainWindow";
    const bool registered = RegisterClassExA(&taken) != 0;
    ASSERT_TRUE(registered || GetLastError() == ERROR_CLASS_ALREADY_EXISTS);
    HWND before = FindWindowA("LorvanMainWindow", nullptr);
    MessageBoxWatcher watcher(IDOK);
    EXPECT_EQ(RunGame(instance, SW_SHOWNORMAL), 0);
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_EQ(FindWindowA("LorvanMainWindow", nullptr), before);
    if (registered) {
        UnregisterClassA("LorvanMainWindow", instance);
    }
}

// Refuses the creation of the game's window, and of no other.
LRESULT CALLBACK RefuseGameWindow(int code, WPARAM wParam, LPARAM lParam) {
    char className[64] = "";
    if (code == HCBT_CREATEWND) {
        GetClassNameA(reinterpret_cast<HWND>(wParam), className, sizeof className);
    }
    return lstrcmpA(className, "LorvanMainWindow") == 0
               ? 1
               : CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(RunGame, TellsThePlayerAndEndsWithAFailureCodeWhenTheWindowCannotBeCreated) {
    StartFreshGame();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    UnregisterClassA("LorvanMainWindow", instance);
    MessageBoxWatcher watcher(IDOK);
    HHOOK refusal = SetWindowsHookExA(WH_CBT, RefuseGameWindow, nullptr, GetCurrentThreadId());
    ASSERT_NE(refusal, nullptr);
    const int code = RunGame(instance, SW_SHOWNORMAL);
    UnhookWindowsHookEx(refusal);
    DrainMessages();
    UnregisterClassA("LorvanMainWindow", instance);

    EXPECT_NE(code, 0);
    ASSERT_EQ(watcher.boxes.size(), 1u);
    EXPECT_EQ(watcher.boxes[0].caption, "Error");
    EXPECT_EQ(watcher.boxes[0].text, "The game window could not be created.");
    EXPECT_EQ(MainWindow, nullptr);
}

TEST(CenterWindow, PlacesTheWindowInTheMiddleTruncatingTowardZero) {
    const int screenWidth = GetSystemMetrics(SM_CXSCREEN);
    const int screenHeight = GetSystemMetrics(SM_CYSCREEN);
    struct Case {
        int width;
        int height;
    } cases[] = {
        {640, 480},
        {641, 481},              // odd differences are truncated
        {screenWidth + 3, 100},  // larger than the screen: x is -1
        {100, screenHeight + 5}, // y is -2
        {screenWidth, screenHeight},
    };
    for (const Case& c : cases) {
        HWND window = CreateWindowExA(0, "STATIC", "centred", WS_POPUP, 7, 9, c.width, c.height,
                                      nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(window, nullptr);
        CenterWindow(window);
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.left, (screenWidth - c.width) / 2) << c.width << "x" << c.height;
        EXPECT_EQ(outer.top, (screenHeight - c.height) / 2) << c.width << "x" << c.height;
        EXPECT_EQ(outer.right - outer.left, c.width);
        EXPECT_EQ(outer.bottom - outer.top, c.height);
        DestroyWindow(window);
    }
    EXPECT_EQ((screenWidth - (screenWidth + 3)) / 2, -1);
    DrainMessages();
}

} // namespace
