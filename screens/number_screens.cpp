// Screens 2 and 3: two numbers from 1 to 20, typed into their own small box.
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "render/text_box.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/question_table.h"
#include "screens/text_entry.h"

namespace {

// TextBoxB keeps its construction values apart from these, for the whole run.
void ConfigureNumberBox() {
    TextBoxB.baseWidth = 50;
    TextBoxB.baseHeight = 33;
    TextBoxB.baseFontSize = 20;
    TextBoxB.transparent = 1;
    TextBoxB.textColor = 0x00FFFF;  // cyan
    TextBoxB.caretColor = 0xFFFF00; // yellow
}

} // namespace

void RenderNumberScreen(DrawContext dc, int left, int top, int right, int bottom,
                        unsigned char* pixels) {
    // The first number is the number of days in the results, the second the number
    // of people; any other screen that reaches this routine asks the second.
    const QuestionScreen& question =
        *QuestionScreenFor(ScreenIndex == AskFirstNumber ? AskFirstNumber : AskSecondNumber);
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);
    const PromptFont font = DrawQuestionPrompt(dc, scale, left, right, question.prompt);

    if (AppSettings.numberScreensFirstFrame) {
        ConfigureNumberBox();
    }
    TextBoxB.showCaret = 1;
    ApplyTextEntry(TextBoxB, EntryRuleOf(question));
    DrawEntryBox(TextBoxB, dc, scale, left, top, right, bottom, pixels, BoxTopAfterKey(question),
                 question.prompt);

    EndQuestionPrompt(dc, font);
    AppSettings.numberScreensFirstFrame = false;
}
