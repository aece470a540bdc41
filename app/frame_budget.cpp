#include "app/frame_budget.h"

int FrameBudgetMs(int frameRateCap, std::int64_t frameStartSecond, std::int64_t nowSecond) {
    // The calendar term is start minus now, zero or negative, so each second that
    // ticked over during the frame lengthens the budget by one millisecond.
    const double secondsTerm = static_cast<double>(frameStartSecond - nowSecond);
    const double budget = 1000.0 / static_cast<double>(frameRateCap) - secondsTerm - 12.0;
    return static_cast<int>(budget);
}

bool FrameTimeLeft(std::uint32_t frameStartTick, std::uint32_t nowTick, int budgetMs) {
    const std::int32_t elapsed = static_cast<std::int32_t>(nowTick - frameStartTick);
    return elapsed < budgetMs;
}
