// Screens 4 to 8: two people of the opposite gender, then three friends or family.
#include "app/game_state.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/question_table.h"

void RenderOppositeNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                              unsigned char* pixels) {
    RenderQuestionFrame(dc, left, top, right, bottom, pixels,
                        CurrentQuestionOfRoutine(AskLoveName));
}

void RenderFriendNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                            unsigned char* pixels) {
    RenderQuestionFrame(dc, left, top, right, bottom, pixels,
                        CurrentQuestionOfRoutine(AskFriendName1));
}
