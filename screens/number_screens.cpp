// Screens 2 and 3: two numbers from 1 to 20, typed into their own small box.
#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "render/text_box.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/text_entry.h"

namespace {

const char FIRST_NUMBER_PROMPT[] =
    "Ok.....follow my instructions carefully!\n\n\n\nEnter the first number that comes to mind "
    "(1-20): \n\n\n\n\n\nPress 'Enter' to continue.";
const char SECOND_NUMBER_PROMPT[] =
    "\n\n\n\n\n\nEnter the second number that comes to mind (1-20): \n\n\n\n\nPress 'Enter' to "
    "continue.";

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
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);
    const bool first = ScreenIndex == AskFirstNumber;
    const PromptFont font = DrawQuestionPrompt(dc, scale, left, right,
                                               first ? FIRST_NUMBER_PROMPT : SECOND_NUMBER_PROMPT);

    if (AppSettings.numberScreensFirstFrame) {
        ConfigureNumberBox();
    }
    TextBoxB.showCaret = 1;
    // The first number is the number of days in the results, the second the number of people.
    if (first) {
        ApplyTextEntry(TextBoxB, NumberAnswerRule(NUMBER_LENGTH_LIMIT, Answers.dayCount));
    } else {
        ApplyTextEntry(TextBoxB, NumberAnswerRule(NUMBER_LENGTH_LIMIT, Answers.peopleCount));
    }
    // Placed for the screen the key left us on, so an accepted number's emptied box
    // already stands where the second number goes.
    const int boxTop = ScreenIndex == AskFirstNumber ? 175 : 225;
    DrawEntryBox(TextBoxB, dc, scale, left, top, right, bottom, pixels, boxTop);

    EndQuestionPrompt(dc, font);
    AppSettings.numberScreensFirstFrame = false;
}
