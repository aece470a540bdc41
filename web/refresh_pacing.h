// The pacing of the page's frame loop, which runs on the display's refreshes.
//
// A frame is due once its period, 1000 / cap milliseconds, has passed since the
// last frame's due time, so that every refresh rate gives the frame rate of the
// cap: at the standard cap of 30 a frame is drawn every other refresh at 60 Hz,
// every fourth at 120 Hz, and every fourth or fifth at 144 Hz. After F6 a frame
// is drawn at every refresh. Between frames the loop takes messages as the exe
// takes them after each 10 ms sleep: one for every 10 ms that passed, a few at
// most after a stall.
#pragma once

struct RefreshPacing {
    bool started = false;      // a frame has been drawn
    double frameDueMs = 0;     // when the next frame is due
    double lastRefreshMs = 0;  // the time of the last refresh
    double refreshGapMs = 0;   // the time between the last two refreshes
    double messageClockMs = 0; // the messages have been taken up to here
};

enum { MESSAGE_STEP_MS = 10, MOST_MESSAGES_PER_REFRESH = 4 };

// What one refresh does: draw a frame, after taking the frame's first message;
// and take this many messages more, after the frame or while it waits.
struct RefreshStep {
    bool drawFrame;
    int messages;
};

// Decides what the refresh at nowMs does.
RefreshStep PaceRefresh(RefreshPacing& pacing, double nowMs);

// After the frame was drawn: the next one is due one period of the cap after
// this one was, or one period from now when the loop fell a whole period behind
// (a stall, a hidden tab), so that missed frames are not drawn in a burst.
void ScheduleNextFrame(RefreshPacing& pacing, int frameRateCap);
