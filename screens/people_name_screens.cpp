// Screens 4 to 8: two people of the opposite gender, then three friends or family.
#include "app/game_state.h"
#include "screens/question_layout.h"
#include "screens/question_screens.h"
#include "screens/question_table.h"

void RenderOppositeNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                              unsigned char* pixels) {
    // Any screen but the first that reaches this routine asks the second name.
    RenderTextQuestionFrame(
        dc, left, top, right, bottom, pixels,
        *QuestionScreenFor(ScreenIndex == AskLoveName ? AskLoveName : AskNoChanceName));
}

void RenderFriendNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                            unsigned char* pixels) {
    // Screens past the second friend count as the third.
    const int screen = ScreenIndex == AskFriendName1 || ScreenIndex == AskFriendName2
                           ? ScreenIndex
                           : AskFriendName3;
    RenderTextQuestionFrame(dc, left, top, right, bottom, pixels, *QuestionScreenFor(screen));
}
