#include "app/frame_pacing.h"

#include "app/frame_budget.h"
#include "app/game_state.h"
#include "app/platform.h"

FrameClock StartFrameClock() {
    FrameClock clock;
    clock.startSecond = PlatformCalendarSecond();
    clock.startTick = PlatformTickCount();
    return clock;
}

void FinishFrame(FrameClock& clock) {
    SaveRequested = false;
    clock.budgetMs =
        FrameBudgetMs(AppSettings.frameRateCap, clock.startSecond, PlatformCalendarSecond());
}

bool FrameStillPacing(const FrameClock& clock) {
    // The pumping and drawing count against the budget, measured from the tick
    // taken before the frame's first message.
    return FrameTimeLeft(clock.startTick, PlatformTickCount(), clock.budgetMs);
}
