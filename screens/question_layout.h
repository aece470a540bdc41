// The layout the question screens share: the 18-point prompt drawn with its
// shadow from 40 base units down and 30 across, and the entry box placed below it;
// and the one frame every question screen draws.
#pragma once

#include "app/platform.h"
#include "render/draw_conventions.h"

struct QuestionScreen;

// The prompt font and the font it replaced, given back by EndQuestionPrompt.
struct PromptFont {
    FontHandle font;
    FontHandle previous;
};

// Sets the transparent black text background, selects the 18-point prompt font
// and draws the prompt, word-wrapped, its shadow 3 units right and down.
PromptFont DrawQuestionPrompt(DrawContext dc, const LayoutScale& scale, int left, int right,
                              const char* prompt);

// Selects the replaced font back and deletes the prompt font.
void EndQuestionPrompt(DrawContext dc, const PromptFont& font);

// What a question screen draws above its box: the prompt, and whatever else the
// screen shows, leaving its prompt font selected for EndQuestionPrompt.
typedef PromptFont PromptDrawer(DrawContext dc, const LayoutScale& scale, int left, int top,
                                int right, const char* prompt);

// DrawQuestionPrompt as a PromptDrawer: the prompt stands from the buffer's top.
PromptDrawer DrawPlainPrompt;

// One frame of a question screen, by its row: the prompt, the box's one-time set-up
// under the row's first-frame flag, the queued key applied by the row's rule, and
// the box drawn where it stands for the screen the key left the game on, noted as
// the frame's answer box.
void RenderQuestionFrame(DrawContext dc, int left, int top, int right, int bottom,
                         unsigned char* pixels, const QuestionScreen& question,
                         PromptDrawer* drawPrompt = DrawPlainPrompt);
