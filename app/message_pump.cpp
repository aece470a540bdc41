#include "app/win32_shell.h"

#include "app/key_commands.h"

static_assert(MESSAGE_QUIT == WM_QUIT && MESSAGE_KEYDOWN == WM_KEYDOWN && MESSAGE_CHAR == WM_CHAR,
              "message numbers match Win32");
static_assert(KEY_ESCAPE == VK_ESCAPE && KEY_F1 == VK_F1 && KEY_F5 == VK_F5 && KEY_F6 == VK_F6 &&
                  KEY_CONTROL == VK_CONTROL && KEY_ALT == VK_MENU && KEY_BACK == VK_BACK &&
                  KEY_RETURN == VK_RETURN,
              "key codes match Win32");

bool PumpMessage(HWND window, MSG* message) {
    if (!PeekMessageA(message, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    // GetKeyboardState reads the thread's key state as of the messages removed so
    // far; the throw-away GetKeyState call makes it current first.
    GetKeyState(0);
    BYTE keyboardState[256];
    const bool haveKeyState = GetKeyboardState(keyboardState) != FALSE;

    const PumpOutcome outcome =
        ApplyKeyRules(haveKeyState ? keyboardState : nullptr, message->message,
                      static_cast<std::uint64_t>(message->wParam));
    if (outcome.postDestroy) {
        PostMessageA(window, WM_DESTROY, 0, 0);
    }
    TranslateMessage(message);
    DispatchMessageA(message);
    return outcome.isQuit;
}
