// Screens 9 to 13: four movie or TV titles, then the wish.
#include "app/game_state.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/question_table.h"

void RenderTitleWishScreen(DrawContext dc, int left, int top, int right, int bottom,
                           unsigned char* pixels) {
    RenderQuestionFrame(dc, left, top, right, bottom, pixels, CurrentQuestionOfRoutine(AskTitle1));
}
