// What the page's "Share results" hands on: the results file's text, with line
// feeds as they are (the download has the exe's carriage returns as well).
#pragma once

#include <string>

// The text while the results screen shows, empty on every other screen.
std::string ShareableResultsText();
