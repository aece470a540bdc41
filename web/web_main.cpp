// Lorvan in the browser: the entry point and the frame loop of the page.
//
// The loop runs on the display's refreshes (requestAnimationFrame). At each one
// it either starts a frame - the first message, the frame drawn and presented -
// or, while the last frame's budget has not passed, takes more messages, as the
// exe takes one after each 10 ms sleep. At the standard cap of 30 a frame is
// drawn every other refresh of a 60 Hz display; after F6 one at every refresh.
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
#include "web/page_messages.h"
#include "web/screen_text.h"

#include <emscripten.h>

#include <cstdint>
#include <cstdlib>
#include <ctime>
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
FrameClock Clock;
bool FrameDrawn = false; // a frame has been drawn, so Clock paces the next one
std::uint32_t LastMessageTick = 0;
enum : std::uint32_t { MOST_MESSAGES_PER_REFRESH = 4 };

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

    // Bound anew each frame: the text state starts fresh, as on a new memory DC.
    PlatformDrawContext context;
    BindDrawContext(context, BackBuffer.data(), width, height, PAGE_PIXELS_PER_INCH);
    context.onTextDrawn = NoteDrawnText;
    BeginScreenText();
    if (AppSettings.recordBaseSize) {
        // The composer would record the frame's device pixels.
        BaseClientWidth = BASE_CLIENT_WIDTH;
        BaseClientHeight = BASE_CLIENT_HEIGHT;
        AppSettings.recordBaseSize = false;
    }
    ComposeFrame(&context, width, height, BackBuffer.data());

    CopyToCanvasPixels(BackBuffer.data(), CanvasPixels.data(), pixelCount);
    PagePresent(CanvasPixels.data(), width, height);
    if (FinishScreenText()) {
        PageSetScreenText(ScreenText(), ScreenTextLength());
    }
}

void EndGame() {
    emscripten_cancel_main_loop();
    PageGameEnded();
}

// While a frame waits out its budget the exe takes one message after each 10 ms
// sleep; a display refresh comes every 16.7 ms or so, so each one takes a message
// for every 10 ms that passed since the last, a few at most after a stall.
void TakeMessagesWhileWaiting() {
    const std::uint32_t now = PlatformTickCount();
    std::uint32_t steps = (now - LastMessageTick) / 10;
    steps = steps < 1 ? 1 : (steps > MOST_MESSAGES_PER_REFRESH ? MOST_MESSAGES_PER_REFRESH : steps);
    for (std::uint32_t i = 0; i < steps; ++i) {
        LastMessageTick = now;
        if (PumpPageMessage()) {
            EndGame();
            return;
        }
    }
}

void OnDisplayRefresh() {
    if (FrameDrawn && FrameStillPacing(Clock)) {
        TakeMessagesWhileWaiting();
        return;
    }
    Clock = StartFrameClock();
    LastMessageTick = Clock.startTick;
    if (PumpPageMessage()) {
        EndGame();
        return;
    }
    DrawAndPresentFrame();
    FinishFrame(Clock);
    FrameDrawn = true;
}

} // namespace

// The page's events, posted as the window messages the game's rules expect: 1
// when the message was queued, 0 when it was dropped.
extern "C" EMSCRIPTEN_KEEPALIVE int LorvanPost(unsigned message, unsigned wParam) {
    return PostPageMessage(message, wParam) ? 1 : 0;
}

// How many more whole key strokes the queue takes now.
extern "C" EMSCRIPTEN_KEEPALIVE int LorvanKeyStrokeRoom() {
    return PageKeyStrokeRoom();
}

// The canvas's backing store in device pixels.
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanResize(int width, int height) {
    Canvas.width = width > 0 ? width : 0;
    Canvas.height = height > 0 ? height : 0;
}

// Draws and presents count frames at once, without messages or pacing, for the
// performance measurement (docs/performance.md).
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanDrawFrames(int count) {
    for (int i = 0; i < count; ++i) {
        DrawAndPresentFrame();
    }
}

int main() {
    char constants[1024];
    WritePageConstants(constants, sizeof constants);
    PageStart(constants);
    PageSetTitle(GAME_WINDOW_TITLE);
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // Never returns: the loop runs on the page's refreshes until the game ends.
    emscripten_set_main_loop(OnDisplayRefresh, 0, 1);
    return 0;
}
