// Lorvan in the browser: the entry point and the frame loop of the page.
//
// The loop runs on the display's refreshes (requestAnimationFrame). At each one
// it either starts a frame - the first message, the frame drawn and presented -
// or, while the next frame is not yet due, takes messages, as the exe takes one
// after each 10 ms sleep. The pacing is on time (web/refresh_pacing.h), so every
// refresh rate gives the cap's frame rate; after F6 a frame at every refresh.
#include "app/display_scale.h"
#include "app/frame_pacing.h"
#include "app/game_state.h"
#include "app/platform.h"
#include "app/window_title.h"
#include "render/frame_composer.h"
#include "text_renderer/text_renderer.h"
#include "web/base_layout.h"
#include "web/canvas_copy.h"
#include "web/page_bridge.h"
#include "web/page_constants.h"
#include "web/page_accessibility.h"
#include "web/page_messages.h"
#include "web/page_pump.h"
#include "web/refresh_pacing.h"
#include "web/shareable_results.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

namespace {

// The canvas in device pixels, which the game draws into.
struct CanvasSize {
    int width = BASE_CLIENT_WIDTH;
    int height = BASE_CLIENT_HEIGHT;
};

CanvasSize Canvas;
std::vector<unsigned char> BackBuffer;   // what the game draws into
std::vector<unsigned char> CanvasPixels; // its opaque copy for the canvas
RefreshPacing Pacing;
std::string SharedResults; // what the page was last given for "Share results"

void DrawAndPresentFrame() {
    const int width = Canvas.width;
    const int height = Canvas.height;
    if (!HasDrawableArea(width, height)) {
        return; // a canvas folded to nothing has no pixels to draw into
    }
    const std::size_t pixelCount =
        static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    BackBuffer.resize(pixelCount * 4);
    CanvasPixels.resize(pixelCount * 4);

    // The screen this frame draws: the key it takes may move the game on.
    const bool resultsScreen = ScreenIndex == ShowResults;

    // Bound anew each frame: the text state starts fresh, as on a new memory DC.
    PlatformDrawContext context;
    BindDrawContext(context, BackBuffer.data(), width, height, LAYOUT_DPI);
    const FrameReport& drawn = ComposeFrame(&context, width, height, BackBuffer.data());

    // The page hears of the frame's elements and answer first: presenting the
    // frame, it brings its answer field up to the answer drawn.
    const PageAccessibilityUpdate update = TakeAccessibleFrame(drawn);
    if (update.elements) {
        PageSetElements(CurrentAccessibleScreen());
    }
    if (update.answer) {
        const char* answer = AnswerFieldAnswer();
        PageSetAnswerField(AnswerFieldQuestion(), answer, std::strlen(answer));
    }
    CopyToCanvasPixels(BackBuffer.data(), CanvasPixels.data(), pixelCount);
    PagePresent(CanvasPixels.data(), width, height);
    std::string shareable = resultsScreen ? ShareableResultsText() : std::string();
    if (shareable != SharedResults) {
        SharedResults.swap(shareable);
        PageSetShareableResults(SharedResults.data(), SharedResults.size());
    }
}

void EndGame() {
    emscripten_cancel_main_loop();
    PageGameEnded();
}

// Takes count messages; false when the quit message came and the game ended.
bool TakeMessages(int count) {
    for (int i = 0; i < count; ++i) {
        if (PumpPageMessage()) {
            EndGame();
            return false;
        }
    }
    return true;
}

void OnDisplayRefresh() {
    if (PageBoxIsOpen()) {
        return; // the loop stands still inside the call that opened the box
    }
    const RefreshStep step = PaceRefresh(Pacing, emscripten_get_now());
    if (step.drawFrame) {
        FrameClock clock = StartFrameClock();
        if (!TakeMessages(1)) {
            return;
        }
        DrawAndPresentFrame();
        FinishFrame(clock); // forgets the save request, as after every frame
        ScheduleNextFrame(Pacing, AppSettings.frameRateCap);
    }
    TakeMessages(step.messages);
}

} // namespace

// The page's events, posted as the window messages the game's rules expect: 1
// when the message was queued, 0 when it was dropped.
extern "C" EMSCRIPTEN_KEEPALIVE int LorvanPost(unsigned message, unsigned wParam) {
    return PostPageMessage(message, wParam) ? 1 : 0;
}

// Lets go of every key the game holds down, when the page loses the keyboard.
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanReleaseKeys() {
    ReleasePageKeys();
}

// How many more whole key strokes the queue takes now.
extern "C" EMSCRIPTEN_KEEPALIVE int LorvanKeyStrokeRoom() {
    return PageKeyStrokeRoom();
}

// 1 while typed keys wait for the game, in its queue or its key buffer: the
// answer a frame shows then is not yet the answer typed.
extern "C" EMSCRIPTEN_KEEPALIVE int LorvanInputPending() {
    return PageInputPending() ? 1 : 0;
}

// The canvas's backing store in device pixels.
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanResize(int width, int height) {
    Canvas.width = width > 0 ? width : 0;
    Canvas.height = height > 0 ? height : 0;
}

// 1 holds the background's animation phase (the page's "Still background"), 0
// lets it run on; every other pixel stays the game's.
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanHoldBackground(int hold) {
    HoldBackground(hold != 0);
}

// Draws and presents count frames at once, without messages or pacing, for the
// performance measurement (docs/performance.md); returns the frames drawn. None
// while a message box is open: the game is inside the call that opened it.
extern "C" EMSCRIPTEN_KEEPALIVE int LorvanDrawFrames(int count) {
    int drawn = 0;
    for (; drawn < count && !PageBoxIsOpen(); ++drawn) {
        DrawAndPresentFrame();
    }
    return drawn;
}

int main() {
    char constants[1024];
    WritePageConstants(constants, sizeof constants);
    // The page lays its answer field and results' lines over the texts drawn.
    MeasureDrawnTexts(true);
    PageStart(constants);
    PageSetTitle(GAME_WINDOW_TITLE);
    // The page's base is the exe's client area in CSS pixels, whatever size its
    // canvas starts at.
    UseFixedBaseLayoutSize(BASE_CLIENT_WIDTH, BASE_CLIENT_HEIGHT);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Never returns: the loop runs on the page's refreshes until the game ends.
    emscripten_set_main_loop(OnDisplayRefresh, 0, 1);
    return 0;
}
