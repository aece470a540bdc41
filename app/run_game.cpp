// Start-up in order, then the frame loop for the rest of the program's life.
#include "app/win32_shell.h"

#include "app/exe_directory.h"
#include "app/game_state.h"

#include <cstdlib>
#include <ctime>

namespace {

void RecordExeDirectory() {
    GetModuleFileNameA(GetModuleHandleA(nullptr), ExeDirectory, sizeof ExeDirectory);
    TrimToDirectory(ExeDirectory, sizeof ExeDirectory);
}

} // namespace

int RunGame(HINSTANCE instance, int showCommand) {
    if (!RegisterMainWindowClass(instance)) {
        return 0;
    }
    HWND window = CreateMainWindow(instance, showCommand);
    if (window == nullptr) {
        // The player has been told; a script that started the game must not take
        // this for a normal end.
        return EXIT_FAILURE;
    }
    MainWindow = reinterpret_cast<PlatformWindow*>(window);
    RecordExeDirectory();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return RunFrameLoop(window);
}
