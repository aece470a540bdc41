// The title of the game's window, in its caption bar and on the taskbar or tab.
#pragma once

inline constexpr char GAME_WINDOW_TITLE[] =
    "Lorvan 2.0 - Word game by Tevarin Software (made 2024-2026)";
