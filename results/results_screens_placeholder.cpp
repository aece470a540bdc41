// Placeholder bodies until the thinking and results screens are built.
#include "results/results_screens.h"

void RenderThinkingScreen(DrawContext, int, int, int, int, unsigned char*) {}
void RenderResultsScreen(DrawContext, int, int, int, int, unsigned char*) {}
