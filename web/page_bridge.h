// What the C++ side asks of the page (web/site/lorvan-page.js), and nothing else.
#pragma once

#include "accessibility/accessible_screen.h"

#include <cstddef>

// Hands the page the numbers it shares with the module (WritePageConstants);
// the first call of all, before the page is asked anything else.
void PageStart(const char* constantsJson);

// Shows a modal dialog drawn by the page and waits, without blocking the page,
// for the player's answer: a MSGBOX_ANSWER_* value. No frame runs meanwhile.
int PageMessageBox(const char* text, const char* caption, unsigned style);

// Whether a message box is waiting for its answer. The page may still call the
// module meanwhile; nothing that draws or takes messages may run then.
bool PageBoxIsOpen();

// Offers bytes to the player as a download under the given file name.
void PageDownload(const char* fileName, const unsigned char* bytes, std::size_t length);

// Hands the canvas a frame: width by height pixels of red, green, blue, alpha.
void PagePresent(const unsigned char* rgba, int width, int height);

// The elements of the accessible screen in reading order, with their roles,
// names, descriptions and rectangles in canvas pixels, for the page's live region,
// answer field and results list.
void PageSetElements(const AccessibleScreen& screen);

// The window title, for the page's title and caption bar.
void PageSetTitle(const char* title);

// The game has ended: the page says so and how to start a new game.
void PageGameEnded();

// The results file's text with line feeds, for the page's "Share results", while
// the results screen shows; empty otherwise.
void PageSetShareableResults(const char* text, std::size_t length);

// The question the screen asks ("" when none) and the answer its text box holds,
// for the page's answer field.
void PageSetAnswerField(const char* question, const char* answer, std::size_t answerLength);
