#include "app/frame_budget.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

struct BudgetCase {
    int cap;
    std::int64_t startSecond;
    std::int64_t nowSecond;
    int expected;
};

TEST(FrameBudget, FollowsTheCapAndTheCalendarSecond) {
    const BudgetCase cases[] = {
        {30, 100, 100, 21}, // 33.3 - 12, truncated
        {30, 100, 101, 22}, // a calendar second ticked over during the frame
        // A clock set forward or back during the frame counts one second at most,
        // so the game never stalls and no difference overflows.
        {30, 100, 103, 22},
        {30, 0, 86400, 22},
        {30, INT64_MIN, INT64_MAX, 22},
        {30, 86400, 0, 20},
        {30, INT64_MAX, INT64_MIN, 20},
        {3000000, 5, 5, -11}, // uncapped: trunc(0.000333 - 12)
        {60, 0, 0, 4},        // 16.67 - 12
    };
    for (const BudgetCase& c : cases) {
        EXPECT_EQ(FrameBudgetMs(c.cap, c.startSecond, c.nowSecond), c.expected)
            << "cap " << c.cap << " seconds " << c.startSecond << ".." << c.nowSecond;
    }
}

TEST(FrameBudget, WaitsWhileElapsedIsBelowTheBudgetAcrossTheTickWrap) {
    struct WaitCase {
        std::uint32_t start;
        std::uint32_t now;
        int budget;
        bool wait;
    } cases[] = {
        {1000, 1015, 21, true},
        {1000, 1021, 21, false}, // at exactly the budget the frame is over
        {1000, 1030, 21, false},
        {0xFFFFFFF0u, 0x00000004u, 21, true}, // 20 ms across the wrap
        {0xFFFFFFF0u, 0x00000005u, 21, false},
        {1000, 1000, -11, false}, // uncapped never waits
    };
    for (const WaitCase& c : cases) {
        EXPECT_EQ(FrameTimeLeft(c.start, c.now, c.budget), c.wait)
            << c.start << " -> " << c.now << " budget " << c.budget;
    }
}

} // namespace
