#include "app/window_messages.h"

#include "res/resource.h"

WindowEffect WindowEffectOf(unsigned message, std::uint64_t wParam) {
    switch (message) {
    case MESSAGE_COMMAND:
        // The command id is the low word; the high word says where it came from
        // (menu, accelerator or control), which the game does not ask.
        switch (wParam & 0xFFFF) {
        case IDM_FILE_EXIT:
            return WindowEffect::PostClose;
        case IDM_HELP_ABOUT:
            return WindowEffect::ShowAbout;
        default:
            return WindowEffect::Ignore;
        }
    case MESSAGE_CLOSE:
        return WindowEffect::Destroy;
    case MESSAGE_DESTROY:
        return WindowEffect::PostQuit;
    default:
        return WindowEffect::PassOn;
    }
}
