// The frame loop: one message, one frame, then sleep out the frame's budget
// in 10 ms steps, taking one more message after each step.
#include "app/win32_shell.h"

#include "app/frame_budget.h"
#include "app/game_state.h"

#include <ctime>

int RunFrameLoop(HWND window) {
    MSG message = {};
    for (;;) {
        const std::time_t frameStartSecond = std::time(nullptr);
        const DWORD frameStartTick = GetTickCount();
        if (PumpMessage(window, &message)) {
            break;
        }
        RenderFrame(window);
        SaveRequested = false; // an F1 lives until the end of the next frame drawn

        const std::time_t nowSecond = std::time(nullptr);
        const DWORD tickAfterFrame = GetTickCount();
        const int budgetMs = FrameBudgetMs(AppSettings.frameRateCap, frameStartSecond, nowSecond);
        // The pumping and drawing count against the budget, which is measured from
        // the tick taken before the first pump call; one message after each sleep.
        if (FrameTimeLeft(frameStartTick, tickAfterFrame, budgetMs)) {
            do {
                Sleep(10);
                if (PumpMessage(window, &message)) {
                    return static_cast<int>(message.wParam);
                }
            } while (FrameTimeLeft(frameStartTick, GetTickCount(), budgetMs));
        }
    }
    return static_cast<int>(message.wParam);
}
