#include "app/frame_budget.h"

#include "app/frame_pacing.h"
#include "app/game_state.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

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
        {1, 0, 0, 988},       // a whole second, less the 12 ms kept back
        {1000, 0, 0, -11},    // trunc(1 - 12)
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

// A frame drawn from tick 1000 at calendar second 50: the budget follows the cap
// and the seconds that passed; the frame goes on pacing until its budget is over.
TEST(FramePacing, PacesFromTheTopOfTheFrameAndForgetsTheSaveRequest) {
    struct Case {
        int cap;
        std::int64_t secondAfterDrawing;
        std::uint32_t tick; // when the loop asks whether to wait
        bool pacing;
    } cases[] = {
        {30, 50, 1015, true},       {30, 50, 1020, true},  {30, 50, 1021, false},
        {30, 51, 1021, true},       {30, 51, 1022, false}, // a second ticked over: 22 ms
        {3000000, 50, 1000, false},                        // uncapped: the next frame at once
    };
    for (const Case& c : cases) {
        StartFreshGame();
        ResetFake();
        AppSettings.frameRateCap = c.cap;
        Fake.calendarSecond = 50;
        Fake.tick = 1000;
        FrameClock clock = StartFrameClock();
        SaveRequested = true;
        Fake.calendarSecond = c.secondAfterDrawing;
        FinishFrame(clock);
        EXPECT_FALSE(SaveRequested);
        Fake.tick = c.tick;
        EXPECT_EQ(FrameStillPacing(clock), c.pacing)
            << "cap " << c.cap << " second " << c.secondAfterDrawing << " tick " << c.tick;
    }
}

} // namespace
