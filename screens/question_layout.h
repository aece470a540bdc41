// The layout the question screens share: the 18-point prompt drawn with its
// shadow from 40 base units down and 30 across, and the entry box placed below it.
#pragma once

#include "app/platform.h"
#include "render/draw_conventions.h"

struct QuestionScreen;
struct TextBox;

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

// Lays the box out 30 base units from the left and baseY from the top, draws it,
// and notes where it stands as the frame's answer box, answering the question.
void DrawEntryBox(TextBox& box, DrawContext dc, const LayoutScale& scale, int left, int top,
                  int right, int bottom, unsigned char* pixels, int baseY, const char* question);

// One frame of a question asked in TextBoxA: the prompt, the box's one-time reset
// under the group's first-frame flag, the queued key applied by the question's
// rule, and the box drawn where it stands for the screen the key left the game on.
void RenderTextQuestionFrame(DrawContext dc, int left, int top, int right, int bottom,
                             unsigned char* pixels, const QuestionScreen& question);
