// Registers the window class and opens the game's one window, centred.
#include "app/win32_shell.h"

#include "app/display_scale.h"
#include "app/game_state.h"
#include "app/window_title.h"

void CenterWindow(HWND window) {
    RECT outer;
    GetWindowRect(window, &outer);
    const int width = outer.right - outer.left;
    const int height = outer.bottom - outer.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
}

bool RegisterMainWindowClass(HINSTANCE instance) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_LORVAN));
    windowClass.hIconSm = static_cast<HICON>(
        LoadImageA(instance, MAKEINTRESOURCEA(IDI_LORVAN), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_SCROLLBAR + 1);
    windowClass.lpszMenuName = MAKEINTRESOURCEA(IDM_MAIN_MENU);
    windowClass.lpszClassName = AppSettings.windowClassName;
    return RegisterClassExA(&windowClass) != 0;
}

namespace {

// The window's outer size: 640 by 480 at 96 dpi, scaled to the given dpi.
void SizeForDpi(HWND window, UINT dpi) {
    const int dots = static_cast<int>(dpi);
    SetWindowPos(window, nullptr, 0, 0, DisplayPixels(AppSettings.windowWidth, dots),
                 DisplayPixels(AppSettings.windowHeight, dots),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

HWND CreateMainWindow(HINSTANCE instance, int showCommand) {
    // Made at the system's scale, which is the primary monitor's, where it opens.
    const int dpi = static_cast<int>(SystemDpi());
    HWND window = CreateWindowExA(
        0, AppSettings.windowClassName, GAME_WINDOW_TITLE, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
        CW_USEDEFAULT, DisplayPixels(AppSettings.windowWidth, dpi),
        DisplayPixels(AppSettings.windowHeight, dpi), nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        // Without a window there is nothing to draw into or to take keys from.
        MessageBoxA(nullptr, "The game window could not be created.", "Error", MB_ICONERROR);
        return nullptr;
    }
    if (WindowDpi(window) != static_cast<UINT>(dpi)) {
        SizeForDpi(window, WindowDpi(window)); // it opened on a monitor of its own scale
    }
    ShowWindow(window, showCommand);
    CenterWindow(window);
    return window;
}
