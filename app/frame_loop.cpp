// The frame loop: one message, one frame, then sleep out the frame's budget
// in 10 ms steps, taking one more message after each step.
#include "app/win32_shell.h"

#include "app/frame_pacing.h"

int RunFrameLoop(HWND window) {
    MSG message = {};
    for (;;) {
        FrameClock clock = StartFrameClock();
        if (PumpMessage(window, &message)) {
            break;
        }
        RenderFrame(window);
        FinishFrame(clock);
        while (FrameStillPacing(clock)) {
            Sleep(10);
            if (PumpMessage(window, &message)) {
                return static_cast<int>(message.wParam);
            }
        }
    }
    return static_cast<int>(message.wParam);
}
