// The pacing of the frame loop, shared by every frontend.
//
// A frame reads both clocks at its top, takes its first message, is drawn, and
// may be followed by the next one once its budget has passed since the top. The
// exe waits out the budget in 10 ms sleeps, taking one message after each; the
// browser page, which cannot sleep, asks at every display refresh.
#pragma once

#include <cstdint>

struct FrameClock {
    std::int64_t startSecond = 0; // calendar second at the top of the frame
    std::uint32_t startTick = 0;  // millisecond tick right after it
    int budgetMs = 0;             // set once the frame has been drawn
};

// The top of a frame: the calendar second, then the tick.
FrameClock StartFrameClock();

// After the frame was drawn: forgets the save request (an F1 lives until the end
// of the next frame drawn, whatever screen it shows) and computes the budget from
// the frame-rate cap and the calendar seconds that passed during the frame.
void FinishFrame(FrameClock& clock);

// Whether the frame still has budget left at the current tick.
bool FrameStillPacing(const FrameClock& clock);
