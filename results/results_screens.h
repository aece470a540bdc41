// The last two screens: the thinking animation (14) and the results (15).
#pragma once

#include "app/platform.h"

void RenderThinkingScreen(DrawContext dc, int left, int top, int right, int bottom,
                          unsigned char* pixels);
void RenderResultsScreen(DrawContext dc, int left, int top, int right, int bottom,
                         unsigned char* pixels);
