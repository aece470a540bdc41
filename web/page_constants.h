// The numbers the page shares with the module - window messages, virtual keys,
// menu commands, message box styles and answers, the base client size and the
// screen text separator - as one JSON text that the module hands the page at
// start-up, so that the page never holds a copy of its own.
#pragma once

#include <cstddef>

// Writes the JSON text into out, terminator included, within size bytes. Returns
// its length, or 0 with out emptied when it does not fit.
std::size_t WritePageConstants(char* out, std::size_t size);
