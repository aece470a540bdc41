#include "render/frame_composer.h"

#include "app/display_scale.h"
#include "app/game_state.h"
#include "render/background.h"
#include "render/fps_overlay.h"
#include "results/results_screens.h"
#include "screens/question_screens.h"

FrameComposerState FrameComposer;

namespace {

// The first frame's base, recorded once: the fixed size, or a client area of
// width by height display pixels at dpi, in layout units.
void RecordBaseLayoutSize(int width, int height, int dpi) {
    if (!AppSettings.recordBaseSize) {
        return;
    }
    if (FrameComposer.fixedBaseWidth > 0 && FrameComposer.fixedBaseHeight > 0) {
        BaseClientWidth = FrameComposer.fixedBaseWidth;
        BaseClientHeight = FrameComposer.fixedBaseHeight;
    } else {
        BaseClientWidth = PixelsToLayoutUnits(width, dpi);
        BaseClientHeight = PixelsToLayoutUnits(height, dpi);
    }
    AppSettings.recordBaseSize = false;
}

} // namespace

void HoldBackground(bool hold) {
    FrameComposer.holdBackground = hold;
}

void UseFixedBaseLayoutSize(int width, int height) {
    FrameComposer.fixedBaseWidth = width;
    FrameComposer.fixedBaseHeight = height;
}

ScreenRoutine ScreenRoutineFor(int screenIndex) {
    static const ScreenRoutine routines[] = {
        RenderNameScreen,         // AskName
        RenderIntroScreen,        // Introduction
        RenderNumberScreen,       // AskFirstNumber
        RenderNumberScreen,       // AskSecondNumber
        RenderOppositeNameScreen, // AskLoveName
        RenderOppositeNameScreen, // AskNoChanceName
        RenderFriendNameScreen,   // AskFriendName1
        RenderFriendNameScreen,   // AskFriendName2
        RenderFriendNameScreen,   // AskFriendName3
        RenderTitleWishScreen,    // AskTitle1
        RenderTitleWishScreen,    // AskTitle2
        RenderTitleWishScreen,    // AskTitle3
        RenderTitleWishScreen,    // AskTitle4
        RenderTitleWishScreen,    // AskWish
        RenderThinkingScreen,     // Thinking
        RenderResultsScreen,      // ShowResults
    };
    static_assert(sizeof routines / sizeof routines[0] == ShowResults + 1,
                  "one routine for every screen");
    if (screenIndex < AskName || screenIndex > ShowResults) {
        return nullptr;
    }
    return routines[screenIndex];
}

const FrameReport& ComposeFrame(DrawContext dc, int width, int height, unsigned char* pixels) {
    return ComposeFrameWith(ScreenRoutineFor(ScreenIndex), dc, width, height, pixels);
}

const FrameReport& ComposeFrameWith(ScreenRoutine routine, DrawContext dc, int width, int height,
                                    unsigned char* pixels) {
    RecordBaseLayoutSize(width, height, PlatformPixelsPerInchY(dc));
    if (!FrameComposer.holdBackground) {
        FrameComposer.backgroundPhase =
            static_cast<unsigned char>(FrameComposer.backgroundPhase + 5);
    }
    FillBackground(pixels, width, height, FrameComposer.backgroundPhase);

    StartFrameReport(ScreenIndex);
    if (routine != nullptr) {
        routine(dc, 0, 0, width, height, pixels);
    }
    if (ShowFpsOverlay) {
        NoteDrawnTexts(false); // the overlay's counts are no part of the screen
        DrawFpsOverlay(dc);
        NoteDrawnTexts(true);
    }
    return CurrentFrameReport();
}
