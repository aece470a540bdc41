// Placeholder bodies until the question screens are built: each shows the background alone.
#include "screens/question_screens.h"

void RenderNameScreen(DrawContext, int, int, int, int, unsigned char*) {}
void RenderIntroScreen(DrawContext, int, int, int, int, unsigned char*) {}
void RenderNumberScreen(DrawContext, int, int, int, int, unsigned char*) {}
void RenderOppositeNameScreen(DrawContext, int, int, int, int, unsigned char*) {}
void RenderFriendNameScreen(DrawContext, int, int, int, int, unsigned char*) {}
void RenderTitleWishScreen(DrawContext, int, int, int, int, unsigned char*) {}
