// Screen 1: the introduction, addressed to the player by name; Enter moves on.
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "render/frame_report.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/text_entry.h"

#include <cstdio>
#include <cstring>

namespace {

const char INTRODUCTION[] =
    "Hello\n\nMy name is PROGRAM, COMPUTER PROGRAM.\n\nOk..lets get down to business. I am going "
    "to ask you for some names. Make sure you enter names you REALLY KNOW and go by your FIRST "
    "INSTINCTS.\n\nWell, let's get back to the game, we don't have all day. Follow the prompts "
    "and I won't lead you astray!\n\n\nPress 'Enter' to continue.";

// The player's name and a comma, beside the "Hello" of the first line.
void DrawGreeting(DrawContext dc, const LayoutScale& scale, int left, int right) {
    char greeting[sizeof Answers.userName + 2];
    std::snprintf(greeting, sizeof greeting, "%s,", Answers.userName);
    const int bottom = ScaleY(scale, 180) + ScaleY(scale, 40);
    const TextRect shadow = {left + ScaleX(scale, 98), ScaleY(scale, 40) + ScaleY(scale, 3), right,
                             bottom};
    const TextRect text = {left + ScaleX(scale, 95), ScaleY(scale, 40), right, bottom};
    // The name is shown as typed: an "&" in it is a character, not a mnemonic.
    DrawShadowedText(dc, greeting, shadow, text, YELLOW_TEXT, TEXT_WORDBREAK | TEXT_NOPREFIX);
}

// The introduction as it reads on the screen, the name after its "Hello", as one
// text: a screen reader says "Hello Robin," where the player sees it.
void ReportIntroduction() {
    const std::size_t hello = std::strlen("Hello");
    char spoken[sizeof INTRODUCTION + sizeof Answers.userName + 2];
    const int length =
        std::snprintf(spoken, sizeof spoken, "Hello %s,%s", Answers.userName, INTRODUCTION + hello);
    ReportTextInPieces(spoken, length < static_cast<int>(sizeof spoken)
                                   ? length
                                   : static_cast<int>(sizeof spoken) - 1);
}

} // namespace

void RenderIntroScreen(DrawContext dc, int left, int top, int right, int bottom, unsigned char*) {
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);
    StartTextInPieces(); // drawn in two pieces, reported as the one sentence it reads
    const PromptFont font = DrawQuestionPrompt(dc, scale, left, right, INTRODUCTION);
    DrawGreeting(dc, scale, left, right);
    ReportIntroduction();

    // Only Enter matters here; anything else typed is taken off the queue unused.
    if (KeyBuffer[0] != '\0') {
        if (KeyBuffer[0] == '\r') {
            ++ScreenIndex;
        }
        ConsumeKey();
    }
    EndQuestionPrompt(dc, font);
}
