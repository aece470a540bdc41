// The commands of the game window's menu bar and what each one does.
#pragma once

// Command ids of the menu items, as the resource script gives them.
enum : int { MENU_FILE_EXIT = 9001, MENU_HELP_ABOUT = 9002 };

enum class MenuAction {
    None,        // an id the game does not know: nothing happens
    CloseWindow, // File > Exit: the window closes and the game ends, without a question
    ShowAbout    // Help > About: the About box
};

MenuAction MenuActionFor(int commandId);

// The About box: a modal box captioned "About" with a single OK button.
void ShowAboutBox();
