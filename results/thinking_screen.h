// The thinking screen's clock: it starts on the screen's first frame and is never
// reset, so the wait lasts just over six seconds whatever the frame rate.
#pragma once

#include <cstdint>

enum : std::uint32_t {
    THINKING_TEXT_SWITCH_MS = 3000, // "... BE PATIENT :) ..." from here on
    THINKING_DURATION_MS = 6000     // the results follow once more than this has passed
};

extern bool ThinkingTimerStarted;
extern std::uint32_t ThinkingStartTick; // PlatformTickCount() at the first frame
