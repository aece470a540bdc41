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

void DrawEntryBox(TextBox& box, DrawContext dc, const LayoutScale& scale, int left, int top,
                  int right, int bottom, unsigned char* pixels, int baseY, const char* question) {
    LayoutTextBox(box, scale.x, scale.y, left, top, 30, baseY);
    DrawTextBox(box, dc, pixels, right - left, bottom - top);
    ReportAnswerBox(PixelBox{box.left, box.top, box.width, box.height}, question);
}

void RenderTextQuestionFrame(DrawContext dc, int left, int top, int right, int bottom,
                             unsigned char* pixels, const QuestionScreen& question) {
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);
    const PromptFont font = DrawQuestionPrompt(dc, scale, left, right, question.prompt);
    bool& firstFrame = AppSettings.*question.firstFrame;
    if (firstFrame) {
        PrepareEntryBox();
    }
    TextBoxA.showCaret = 1;
    ApplyTextEntry(TextBoxA, EntryRuleOf(question));
    DrawEntryBox(TextBoxA, dc, scale, left, top, right, bottom, pixels, BoxTopAfterKey(question),
                 question.prompt);
    EndQuestionPrompt(dc, font);
    firstFrame = false;
}
