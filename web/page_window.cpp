#include "web/page_window.h"

#include "app/about_text.h"
#include "app/window_messages.h"
#include "web/page_messages.h"

void PageWindowProc(unsigned message, unsigned wParam) {
    switch (WindowEffectOf(message, wParam)) {
    case WindowEffect::PostClose:
        PostGameMessage(MESSAGE_CLOSE);
        break;
    case WindowEffect::ShowAbout:
        ShowAboutBox();
        break;
    case WindowEffect::Destroy:
        // The page has no window to take down; destroying it sends its end at once,
        // as DestroyWindow does.
        PageWindowProc(MESSAGE_DESTROY, 0);
        break;
    case WindowEffect::PostQuit:
        PostGameMessage(MESSAGE_QUIT);
        break;
    case WindowEffect::Ignore:
    case WindowEffect::PassOn:
        break;
    }
}
