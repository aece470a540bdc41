#include "app/menu_commands.h"

#include "app/about_text.h"
#include "app/platform.h"

MenuAction MenuActionFor(int commandId) {
    switch (commandId) {
    case MENU_FILE_EXIT:
        return MenuAction::CloseWindow;
    case MENU_HELP_ABOUT:
        return MenuAction::ShowAbout;
    default:
        return MenuAction::None;
    }
}

void ShowAboutBox() {
    char text[ABOUT_TEXT_SIZE];
    FormatAboutText(text, sizeof text);
    PlatformMessageBox(text, "About", MESSAGE_OK);
}
