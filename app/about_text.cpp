#include "app/about_text.h"

#include "app/game_state.h"
#include "app/platform.h"

#include <cstdio>

void FormatAboutText(char* out, std::size_t size) {
    std::snprintf(out, size,
                  "Lorvan 2.0, a word game of names, numbers, movies and one wish.\n\n"
                  "Copyright (C) 2024-2026 Tevarin Software. All rights reserved.\n\n"
                  "Website: %s",
                  AppSettings.productPageLink);
}

void ShowAboutBox() {
    char text[ABOUT_TEXT_SIZE];
    FormatAboutText(text, sizeof text);
    PlatformMessageBox(text, "About", MSGBOX_OK);
}
