// Display scaling on every Windows the game runs on. The manifest makes the game
// per-monitor DPI-aware on Windows 10 and 11 and system-aware on 7 and 8; the
// functions that tell a window's own DPI exist only from Windows 10 1607, so they
// are looked up in user32 at run time rather than imported.
#include "app/win32_shell.h"

#include "app/display_scale.h"

namespace {

template <typename Function> Function UserFunction(const char* name) {
    HMODULE user32 = GetModuleHandleA("user32.dll");
    if (user32 == nullptr) {
        return nullptr;
    }
    // Through void* to keep -Wcast-function-type quiet: GetProcAddress's FARPROC
    // is the generic function pointer Windows hands out for any export.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name)));
}

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using GetDpiForSystemFunction = UINT(WINAPI*)();
using EnableNonClientDpiScalingFunction = BOOL(WINAPI*)(HWND);

} // namespace

UINT SystemDpi() {
    static const auto getDpiForSystem = UserFunction<GetDpiForSystemFunction>("GetDpiForSystem");
    if (getDpiForSystem != nullptr) {
        return getDpiForSystem();
    }
    // Windows 7 and 8: a system-aware process sees the system's DPI in any screen
    // context.
    HDC screen = GetDC(nullptr);
    const int dpi = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
    if (screen != nullptr) {
        ReleaseDC(nullptr, screen);
    }
    return static_cast<UINT>(dpi > 0 ? dpi : static_cast<int>(LAYOUT_DPI));
}

UINT WindowDpi(HWND window) {
    static const auto getDpiForWindow = UserFunction<GetDpiForWindowFunction>("GetDpiForWindow");
    if (window != nullptr && getDpiForWindow != nullptr) {
        const UINT dpi = getDpiForWindow(window);
        if (dpi != 0) { // 0: not a window
            return dpi;
        }
    }
    return SystemDpi();
}

void EnableNonClientScaling(HWND window) {
    static const auto enable =
        UserFunction<EnableNonClientDpiScalingFunction>("EnableNonClientDpiScaling");
    if (enable != nullptr) {
        enable(window);
    }
}

void ApplySuggestedRect(HWND window, const RECT* suggested) {
    if (suggested == nullptr) {
        return; // Windows always sends one; a stray message without it changes nothing
    }
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
