// Screen 0: the welcome title, the question for the player's name, its box and the hint.
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/question_table.h"

namespace {

// A left-aligned line of the question font at baseTop, its shadow 5 units right
// and 3 down, in a rectangle 50 units high.
void DrawNameScreenLine(DrawContext dc, const LayoutScale& scale, int left, int top, int right,
                        int baseTop, const char* text) {
    const int lineTop = top + ScaleY(scale, baseTop);
    const int bottom = lineTop + ScaleY(scale, 50);
    const TextRect shadow = {left + ScaleX(scale, 35), lineTop + ScaleY(scale, 3), right, bottom};
    const TextRect line = {left + ScaleX(scale, 30), lineTop, right, bottom};
    DrawShadowedText(dc, text, shadow, line, WHITE_TEXT, TEXT_WORDBREAK);
}

// The 23-point centred title, then the question and the hint in 20 points, whose
// font stays selected for the box.
PromptFont DrawWelcome(DrawContext dc, const LayoutScale& scale, int left, int top, int right,
                       const char* question) {
    PlatformSetBackgroundColor(dc, 0);
    PlatformSetBackgroundMode(dc, BACKGROUND_TRANSPARENT);

    FontHandle titleFont = CreateScreenFont(23, scale.y);
    PromptFont font;
    font.previous = PlatformSelectFont(dc, titleFont);
    // The title is placed from the buffer's top, not the client's.
    const int titleBottom = ScaleY(scale, 80);
    const TextRect titleShadow = {left + ScaleX(scale, 5), ScaleY(scale, 40) + ScaleY(scale, 3),
                                  right, titleBottom};
    const TextRect title = {left, ScaleY(scale, 40), right, titleBottom};
    DrawShadowedText(dc, "Welcome to Lorvan 2.0 - A Word Game", titleShadow, title, CYAN_TEXT,
                     TEXT_CENTER | TEXT_WORDBREAK);

    font.font = CreateScreenFont(20, scale.y);
    PlatformSelectFont(dc, font.font);
    PlatformDeleteFont(titleFont);
    DrawNameScreenLine(dc, scale, left, top, right, 170, question);
    DrawNameScreenLine(dc, scale, left, top, right, 250, "Press 'Enter' to continue.");
    return font;
}

} // namespace

void RenderNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                      unsigned char* pixels) {
    RenderQuestionFrame(dc, left, top, right, bottom, pixels, CurrentQuestionOfRoutine(AskName),
                        DrawWelcome);
}
