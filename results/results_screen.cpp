#include "app/game_state.h"
#include "render/draw_conventions.h"
#include "results/results_file.h"
#include "results/results_screens.h"
#include "results/results_text.h"
#include "screens/text_entry.h"

#include <cstring>

namespace {

enum { FONT_POINTS = 12, TEXT_TOP = 30, TEXT_HEIGHT = 450 };

} // namespace

void RenderResultsScreen(DrawContext dc, int left, int top, int right, int bottom, unsigned char*) {
    const LayoutScale scale = ComputeLayoutScale(left, top, right, bottom);

    // Opaque: every line gets a black band, so the results read over the moving colours.
    PlatformSetBackgroundColor(dc, 0);
    PlatformSetBackgroundMode(dc, BACKGROUND_OPAQUE);
    FontHandle font = CreateScreenFont(FONT_POINTS, scale.y);
    FontHandle previousFont = PlatformSelectFont(dc, font);

    const TextRect textRect = {left, ScaleY(scale, TEXT_TOP), right,
                               ScaleY(scale, TEXT_HEIGHT) + ScaleY(scale, TEXT_TOP)};

    char screenText[RESULTS_SCREEN_TEXT_SIZE];
    ComposeResultsText(Answers, ResultsText, sizeof ResultsText);
    ComposeResultsScreenText(ResultsText, AppSettings.downloadLink, screenText, sizeof screenText);

    // No prefix processing: an "&" the player typed is shown as typed, as in the file.
    PlatformSetTextColor(dc, CYAN_TEXT);
    const int length = static_cast<int>(std::strlen(screenText));
    PlatformDrawText(dc, screenText, length, textRect, TEXT_WORDBREAK | TEXT_NOPREFIX);
    // Read a line at a time, as the results file holds them.
    ReportTextLines(dc, screenText, length, textRect, TEXT_WORDBREAK | TEXT_NOPREFIX);

    // Typed characters have no meaning here.
    ConsumeKey();

    if (SaveRequested) {
        SaveResultsFile(ResultsText);
    }

    PlatformSelectFont(dc, previousFont);
    PlatformDeleteFont(font);
}
