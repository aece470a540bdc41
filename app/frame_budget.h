// How long the frame loop waits after drawing a frame.
#pragma once

#include <cstdint>

// Milliseconds a frame may take, pumping and drawing included, before the next one
// starts: 1000 / cap - 12, plus one millisecond when the calendar second ticked
// over during the frame (one at most, however far the clock was set forward; one
// less when it was set back). 21 at the standard cap of 30; negative when uncapped.
int FrameBudgetMs(int frameRateCap, std::int64_t frameStartSecond, std::int64_t nowSecond);

// Whether the frame that started at frameStartTick still has budget left at nowTick.
// The tick wraps every 49.7 days, so the difference is taken modulo 2^32 and read
// as a signed number.
bool FrameTimeLeft(std::uint32_t frameStartTick, std::uint32_t nowTick, int budgetMs);
