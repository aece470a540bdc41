#include "tests/support/fresh_game.h"

#include "app/game_state.h"
#include "render/fps_overlay.h"
#include "render/frame_composer.h"
#include "render/text_box.h"
#include "results/results_text.h"
#include "results/thinking_screen.h"

#include <cstring>

void StartFreshGame() {
    AppSettings = AppSettingsBlock();
    std::memset(KeyBuffer, 0, sizeof KeyBuffer);
    ScreenIndex = AskName;
    Answers = AnswerSet();
    BaseClientWidth = 0;
    BaseClientHeight = 0;
    std::memset(ExeDirectory, 0, sizeof ExeDirectory);
    ShowFpsOverlay = false;
    SaveRequested = false;
    MainWindow = nullptr;
    FrameComposer = FrameComposerState();
    FpsOverlay = FpsOverlayState();
    TextBoxA = TextBox();
    TextBoxB = TextBox();
    CaretToggleTick = 0;
    CaretTimerStarted = 0;
    ThinkingTimerStarted = false;
    ThinkingStartTick = 0;
    std::memset(ResultsText, 0, sizeof ResultsText);
}
