// The program's entry point.
#include "app/win32_shell.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunGame(instance, showCommand);
}
