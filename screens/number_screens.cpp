// Screens 2 and 3: two numbers from 1 to 20, typed into their own small box.
#include "app/game_state.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/question_table.h"

void RenderNumberScreen(DrawContext dc, int left, int top, int right, int bottom,
                        unsigned char* pixels) {
    RenderQuestionFrame(dc, left, top, right, bottom, pixels,
                        CurrentQuestionOfRoutine(AskFirstNumber));
}
