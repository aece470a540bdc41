#include "app/frame_budget.h"

int FrameBudgetMs(int frameRateCap, std::int64_t frameStartSecond, std::int64_t nowSecond) {
    // The calendar term is start minus now, so the second that ticks over during a
    // frame lengthens its budget by one millisecond. It is bounded to one second
    // either way: a clock set forward by a day would otherwise give a frame 86 s
    // and the game would look hung, and a far larger jump would overflow the
    // subtraction and the conversion to int. Compared rather than subtracted so
    // that no difference of two calendar times can overflow.
    const double secondsTerm = frameStartSecond < nowSecond   ? -1.0
                               : frameStartSecond > nowSecond ? 1.0
                                                              : 0.0;
    const double budget = 1000.0 / static_cast<double>(frameRateCap) - secondsTerm - 12.0;
    return static_cast<int>(budget);
}

bool FrameTimeLeft(std::uint32_t frameStartTick, std::uint32_t nowTick, int budgetMs) {
    const std::int32_t elapsed = static_cast<std::int32_t>(nowTick - frameStartTick);
    return elapsed < budgetMs;
}
