// The text of the Help > About box.
#pragma once

#include <cstddef>

enum { ABOUT_TEXT_SIZE = 256 };

// A credit line, a rights line and "Website: " with the product page link, each
// separated by an empty line. Always terminated inside the buffer.
void FormatAboutText(char* out, std::size_t size);
