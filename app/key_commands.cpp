#include "app/key_commands.h"

#include "app/game_state.h"
#include "app/platform.h"

#include <cstring>

namespace {

bool IsDown(const unsigned char* keyboardState, int key) {
    return (keyboardState[key] & 0x80) != 0;
}

} // namespace

void QueueTypedCharacter(char c) {
    const std::size_t length = strnlen(KeyBuffer, KEY_BUFFER_SIZE);
    if (length + 1 < KEY_BUFFER_SIZE) {
        KeyBuffer[length] = c;
        KeyBuffer[length + 1] = '\0';
    }
}

PumpOutcome ApplyKeyRules(const unsigned char* keyboardState, unsigned message,
                          std::uint64_t wParam) {
    PumpOutcome outcome = {false, false};
    bool modifierDown = false;
    if (keyboardState != nullptr) {
        if (IsDown(keyboardState, KEY_ESCAPE)) {
            const int answer = PlatformMessageBox("Are you sure you wish to quit?", "Quit?",
                                                  MSGBOX_ICON_QUESTION | MSGBOX_YES_NO_CANCEL);
            outcome.postDestroy = answer == MSGBOX_ANSWER_YES;
        }
        if (IsDown(keyboardState, KEY_F5)) {
            ShowFpsOverlay = !ShowFpsOverlay;
        }
        if (IsDown(keyboardState, KEY_F6)) {
            AppSettings.frameRateCap = AppSettings.frameRateCap == STANDARD_FRAME_RATE
                                           ? UNCAPPED_FRAME_RATE
                                           : STANDARD_FRAME_RATE;
        }
        modifierDown = IsDown(keyboardState, KEY_CONTROL) || IsDown(keyboardState, KEY_ALT);
    }
    outcome.isQuit = message == MESSAGE_QUIT;
    if (message == MESSAGE_CHAR && !modifierDown) {
        // Every code is queued, control characters included; the screens decide.
        QueueTypedCharacter(static_cast<char>(wParam & 0xFF));
    }
    if (message == MESSAGE_KEYDOWN && wParam == KEY_F1) {
        SaveRequested = true;
    }
    return outcome;
}
