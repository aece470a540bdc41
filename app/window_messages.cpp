#include "app/window_messages.h"

#include "res/resource.h"

namespace {

// A menu command by its id, the command's low word; the high word says where it
// came from (menu, accelerator or control), which the game does not ask.
WindowEffect CommandEffect(std::uint64_t wParam) {
    const std::uint64_t id = wParam & 0xFFFF;
    if (id == IDM_FILE_EXIT) {
        return WindowEffect::PostClose;
    }
    return id == IDM_HELP_ABOUT ? WindowEffect::ShowAbout : WindowEffect::Ignore;
}

} // namespace

WindowEffect WindowEffectOf(unsigned message, std::uint64_t wParam) {
    switch (message) {
    case MESSAGE_COMMAND:
        return CommandEffect(wParam);
    case MESSAGE_CLOSE:
        return WindowEffect::Destroy;
    case MESSAGE_DESTROY:
        return WindowEffect::PostQuit;
    default:
        return WindowEffect::PassOn;
    }
}
