// The question screens, 0 to 13. The frame composer calls the routine of the
// current screen once per frame, after the background is drawn.
#pragma once

#include "app/platform.h"

void RenderNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                      unsigned char* pixels);
void RenderIntroScreen(DrawContext dc, int left, int top, int right, int bottom,
                       unsigned char* pixels);
void RenderNumberScreen(DrawContext dc, int left, int top, int right, int bottom,
                        unsigned char* pixels);
void RenderOppositeNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                              unsigned char* pixels);
void RenderFriendNameScreen(DrawContext dc, int left, int top, int right, int bottom,
                            unsigned char* pixels);
void RenderTitleWishScreen(DrawContext dc, int left, int top, int right, int bottom,
                           unsigned char* pixels);
