// The Help > About box: its text, and the box itself, built here for the exe and the page.
#pragma once

#include <cstddef>

enum { ABOUT_TEXT_SIZE = 256 };

// A credit line, a rights line and "Website: " with the product page link, each
// separated by an empty line. Always terminated inside the buffer.
void FormatAboutText(char* out, std::size_t size);

// Shows the About box owned by the game window: modal, captioned "About", with a
// single OK button.
void ShowAboutBox();
