#include "app/win32_shell.h"

#include "app/about_text.h"
#include "app/menu_commands.h"

static_assert(MENU_FILE_EXIT == IDM_FILE_EXIT && MENU_HELP_ABOUT == IDM_HELP_ABOUT,
              "menu command ids match the resource script");

namespace {

HMENU BuildMenuBar() {
    HMENU bar = CreateMenu();
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, IDM_FILE_EXIT, "E&xit");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    HMENU help = CreatePopupMenu();
    AppendMenuA(help, MF_STRING, IDM_HELP_ABOUT, "&About");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(help), "&Help");
    return bar;
}

void SetWindowIcon(HWND window, int size, WPARAM which, const char* failure) {
    HANDLE icon = LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_LORVAN), IMAGE_ICON,
                             size, size, 0);
    if (icon != nullptr) {
        SendMessageA(window, WM_SETICON, which, reinterpret_cast<LPARAM>(icon));
    } else {
        MessageBoxA(window, failure, "Error", MB_ICONERROR);
    }
}

// Owned by the window that got the command, which is the game window.
void ShowAboutBoxOf(HWND window) {
    char text[ABOUT_TEXT_SIZE];
    FormatAboutText(text, sizeof text);
    MessageBoxA(window, text, "About", MB_OK);
}

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        SetMenu(window, BuildMenuBar());
        SetWindowIcon(window, 32, ICON_BIG, "Could not load large icon!");
        SetWindowIcon(window, 16, ICON_SMALL, "Could not load small icon!");
        return 0;
    case WM_COMMAND:
        switch (MenuActionFor(LOWORD(wParam))) {
        case MenuAction::CloseWindow:
            PostMessageA(window, WM_CLOSE, 0, 0);
            break;
        case MenuAction::ShowAbout:
            ShowAboutBoxOf(window);
            break;
        case MenuAction::None:
            break;
        }
        return 0;
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return 0; // the game is played with the keyboard alone
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}
