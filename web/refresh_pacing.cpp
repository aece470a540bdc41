#include "web/refresh_pacing.h"

RefreshStep PaceRefresh(RefreshPacing& pacing, double nowMs) {
    if (!pacing.started) {
        pacing.lastRefreshMs = nowMs;
        pacing.messageClockMs = nowMs;
    }
    pacing.refreshGapMs = nowMs - pacing.lastRefreshMs;
    pacing.lastRefreshMs = nowMs;

    int steps = static_cast<int>((nowMs - pacing.messageClockMs) / MESSAGE_STEP_MS);
    if (steps > MOST_MESSAGES_PER_REFRESH) {
        steps = MOST_MESSAGES_PER_REFRESH;
        pacing.messageClockMs = nowMs; // what a stall held back is not made up later
    } else if (steps > 0) {
        pacing.messageClockMs += steps * MESSAGE_STEP_MS;
    } else {
        steps = 0;
    }

    // The refresh nearest the due time draws the frame: a refresh a little early,
    // as the timing of the loop's turn wobbles, must not push it to the next one.
    if (!pacing.started || nowMs + pacing.refreshGapMs / 2 >= pacing.frameDueMs) {
        if (steps == 0) {
            // The frame's first message is taken even before its step is up.
            pacing.messageClockMs += MESSAGE_STEP_MS;
            steps = 1;
        }
        return RefreshStep{true, steps - 1};
    }
    return RefreshStep{false, steps};
}

void ScheduleNextFrame(RefreshPacing& pacing, int frameRateCap) {
    const double periodMs = 1000.0 / (frameRateCap > 0 ? frameRateCap : 1);
    const double due = pacing.started ? pacing.frameDueMs : pacing.lastRefreshMs;
    pacing.frameDueMs = due + periodMs;
    if (pacing.frameDueMs <= pacing.lastRefreshMs) {
        pacing.frameDueMs = pacing.lastRefreshMs + periodMs;
    }
    pacing.started = true;
}
