#include "app/win32_shell.h"

#include "app/about_text.h"
#include "app/uia_provider.h"
#include "app/window_messages.h"

static_assert(MESSAGE_DESTROY == WM_DESTROY && MESSAGE_CLOSE == WM_CLOSE &&
                  MESSAGE_KEYUP == WM_KEYUP && MESSAGE_COMMAND == WM_COMMAND,
              "message numbers match Win32");

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

} // namespace

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        EnableNonClientScaling(window);
        break; // and on to the default handling, which creates the frame
    case WM_DPICHANGED:
        ApplySuggestedRect(window, reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_CREATE:
        SetMenu(window, BuildMenuBar());
        SetWindowIcon(window, 32, ICON_BIG, "Could not load large icon!");
        SetWindowIcon(window, 16, ICON_SMALL, "Could not load small icon!");
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        return 0; // the game is played with the keyboard alone
    case WM_GETOBJECT: {
        // A screen reader asks for the window's elements.
        LRESULT answer = 0;
        if (AnswerAccessibilityRequest(window, wParam, lParam, &answer)) {
            return answer;
        }
        break;
    }
    case WM_KEYDOWN:
        TellReadersOfKey(wParam);
        break; // the game's own keys were taken by the pump
    default:
        break;
    }
    switch (WindowEffectOf(message, static_cast<std::uint64_t>(wParam))) {
    case WindowEffect::Ignore:
        return 0;
    case WindowEffect::PostClose:
        PostMessageA(window, WM_CLOSE, 0, 0);
        return 0;
    case WindowEffect::ShowAbout:
        ShowAboutBox(); // owned by the game window, which is this one
        return 0;
    case WindowEffect::Destroy:
        DestroyWindow(window);
        return 0;
    case WindowEffect::PostQuit:
        DisconnectReaders(window);
        PostQuitMessage(0);
        return 0;
    case WindowEffect::PassOn:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
