// The Win32 side of the game: window, message pump, window procedure and the
// presentation of each frame. Everything it decides is delegated to portable code.
#pragma once

#include <windows.h>

// Menu command ids, shared with the resource script.
#include "res/resource.h"

// Places the window in the middle of the primary screen, keeping size and z-order.
void CenterWindow(HWND window);

// Removes at most one message from the thread's queue, applies the game's key rules
// to it, translates and dispatches it. Returns true when it was the quit message.
bool PumpMessage(HWND window, MSG* message);

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws and presents one frame in the window's client area. Always 0.
int RenderFrame(HWND window);

// Registers the main window's class; false when that fails.
bool RegisterMainWindowClass(HINSTANCE instance);

// Creates, shows and centres the main window of the registered class. Returns null
// on failure, after telling the player that the window could not be created.
HWND CreateMainWindow(HINSTANCE instance, int showCommand);

// The frame loop: runs until the quit message and returns its exit code.
int RunFrameLoop(HWND window);

// The whole program after the entry point: window, executable folder, random seed
// and frame loop. Returns the exit code: the quit message's (0) after a normal end,
// 0 also when the window class cannot be registered (silently, as the game always
// has), and EXIT_FAILURE when the window cannot be created.
int RunGame(HINSTANCE instance, int showCommand);

// -- display scaling (window_dpi.cpp) ------------------------------------------
// The functions newer than Windows 7 are looked up at run time, so the exe imports
// only what every supported Windows has; without them the game is system-aware.

// The dots per inch of the monitor the window stands on (GetDpiForWindow, Windows
// 10 1607 and later), or the system's when that is unknown or the window is null.
UINT WindowDpi(HWND window);

// The system's dots per inch: the primary monitor's when the player logged on.
UINT SystemDpi();

// Lets Windows 10 1607's per-monitor (v1) awareness scale the caption and menu
// bar too; later versions do it by themselves. Called on WM_NCCREATE.
void EnableNonClientScaling(HWND window);

// WM_DPICHANGED: the window takes the rectangle Windows suggests for the new
// monitor, so it keeps its apparent size; the next frame lays out for it.
void ApplySuggestedRect(HWND window, const RECT* suggested);
