// Helpers of the Win32 tests: a window that runs the game's window procedure,
// draining the queue, watching message boxes and counting GDI objects.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Removes and dispatches every waiting message; returns how many there were.
int DrainMessages();

// A window of a test class whose procedure is MainWindowProc, so that its creation
// builds the menu and sets the icons. Hidden unless show is set.
HWND CreateGameProcWindow(int width, int height, bool show);

// What the message box watcher saw of one box.
struct SeenBox {
    HWND owner;
    std::string caption;
    std::string text;
    bool hasOk;
    bool hasCancel;
    bool hasYes;
};

// Watches the message boxes this thread opens while it lives, records each one
// and closes it at once with the given button (IDOK, IDNO, ...).
class MessageBoxWatcher {
  public:
    explicit MessageBoxWatcher(int answer);
    ~MessageBoxWatcher();
    MessageBoxWatcher(const MessageBoxWatcher&) = delete;
    MessageBoxWatcher& operator=(const MessageBoxWatcher&) = delete;

    std::vector<SeenBox> boxes;
};

// The Lorvan.exe built beside the tests, as a Windows path.
std::string LorvanExePath();

// The game's menu bar, wherever it came from (the resource script or the window):
// File with E&xit (9001) and Help with &About (9002), and nothing else.
void ExpectGameMenu(HMENU bar);
