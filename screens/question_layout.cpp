#include "screens/question_layout.h"

#include "app/game_state.h"
#include "render/frame_report.h"
#include "render/text_box.h"
#include "screens/question_table.h"
#include "screens/text_entry.h"

PromptFont DrawQuestionPrompt(DrawContext dc, const LayoutScale& scale, int left, int right,
                              const char* prompt) {
    PlatformSetBackgroundColor(dc, 0);
    PlatformSetBackgroundMode(dc, BACKGROUND_TRANSPARENT);
    PromptFont font;
    font.font = CreateScreenFont(18, scale.y);
    font.previous = PlatformSelectFont(dc, font.font);

    const int bottom = ScaleY(scale, 410) + ScaleY(scale, 40);
    const TextRect shadow = {left + ScaleX(scale, 33), ScaleY(scale, 40) + ScaleY(scale, 3), right,
                             bottom};
    const TextRect text = {left + ScaleX(scale, 30), ScaleY(scale, 40), right, bottom};
    DrawShadowedText(dc, prompt, shadow, text, WHITE_TEXT, TEXT_WORDBREAK);
    return font;
}

void EndQuestionPrompt(DrawContext dc, const PromptFont& font) {
    PlatformSelectFont(dc, font.previous);
    PlatformDeleteFont(font.font);
}

PromptFont DrawPlainPrompt(DrawContext dc, const LayoutScale& scale, int left, int, int right,
                           const char* prompt) {
    return DrawQuestionPrompt(dc, scale, left, right, prompt);
}

void RenderQuestionFrame(DrawContext dc, int left, int top, int right, int bottom,
                         unsigned char* pixels, const QuestionScreen& question,
                         PromptDrawer* drawPrompt) {
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);
    const PromptFont font = drawPrompt(dc, scale, left, top, right, question.prompt);
    const QuestionRoutine& routine = *question.routine;
    bool& firstFrame = AppSettings.*routine.firstFrame;
    if (firstFrame) {
        routine.prepareBox();
    }
    TextBox& box = *routine.box;
    box.showCaret = 1;
    ApplyTextEntry(box, question.entry);

    LayoutTextBox(box, scale.x, scale.y, left, top, 30, BoxTopAfterKey(question));
    DrawTextBox(box, dc, pixels, right - left, bottom - top);
    ReportAnswerBox(PixelBox{box.left, box.top, box.width, box.height}, question.prompt);

    EndQuestionPrompt(dc, font);
    firstFrame = false;
}
