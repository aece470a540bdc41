// The program's entry point.
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

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    HWND window = CreateMainWindow(instance, showCommand);
    if (window == nullptr) {
        return 0;
    }
    MainWindow = reinterpret_cast<PlatformWindow*>(window);
    RecordExeDirectory();
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    return RunFrameLoop(window);
}
