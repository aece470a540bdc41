// The page's frames on the display's refreshes: the same frame rate and message
// rate whatever the display's refresh rate, on simulated clocks.
#include "web/refresh_pacing.h"

#include "app/game_state.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

struct PacedRun {
    int frames = 0;
    int messages = 0; // the frames' first messages and those taken while waiting
    double shortestFrameGapMs = 1e9;
    double longestFrameGapMs = 0;
};

// Three seconds of refreshes at hz, each late by up to jitterMs (the loop's turn
// wobbles), with a stall of stallMs after the first second.
PacedRun RunRefreshes(double hz, double jitterMs, int cap, double stallMs = 0) {
    RefreshPacing pacing;
    PacedRun run;
    double lastFrameMs = -1;
    unsigned wobble = 12345;
    for (int i = 0; i * 1000.0 / hz < 3000.0; ++i) {
        wobble = wobble * 1103515245u + 12345u;
        const double late = jitterMs * static_cast<double>((wobble >> 16) % 1000) / 1000.0;
        const double refreshMs = i * 1000.0 / hz + late + (i * 1000.0 / hz >= 1000.0 ? stallMs : 0);
        if (refreshMs >= 3000.0) {
            break;
        }
        const RefreshStep step = PaceRefresh(pacing, refreshMs);
        EXPECT_LE(step.messages + (step.drawFrame ? 1 : 0), MOST_MESSAGES_PER_REFRESH);
        if (step.drawFrame) {
            if (lastFrameMs >= 0 && stallMs == 0) {
                run.shortestFrameGapMs = std::min(run.shortestFrameGapMs, refreshMs - lastFrameMs);
                run.longestFrameGapMs = std::max(run.longestFrameGapMs, refreshMs - lastFrameMs);
            }
            lastFrameMs = refreshMs;
            ++run.frames;
            ++run.messages;
            ScheduleNextFrame(pacing, cap);
        }
        run.messages += step.messages;
    }
    return run;
}

TEST(RefreshPacing, EveryRefreshRateGivesTheCapsFrameRate) {
    const struct {
        double hz;
        double jitterMs;
    } displays[] = {{60, 0},  {60, 1.5}, {75, 0},  {90, 1},    {120, 0},
                    {120, 1}, {144, 0},  {144, 1}, {165, 0.5}, {240, 0.5}};
    for (const auto& d : displays) {
        const PacedRun run = RunRefreshes(d.hz, d.jitterMs, STANDARD_FRAME_RATE);
        const double refreshMs = 1000.0 / d.hz;
        EXPECT_NEAR(run.frames, 90, 1) << d.hz << " Hz";
        // Frames keep an even beat: never more than a refresh off their period.
        EXPECT_GE(run.shortestFrameGapMs, 1000.0 / 30 - refreshMs - d.jitterMs) << d.hz << " Hz";
        EXPECT_LE(run.longestFrameGapMs, 1000.0 / 30 + refreshMs + d.jitterMs) << d.hz << " Hz";
        // One message each 10 ms, as the exe takes one after each 10 ms sleep.
        EXPECT_NEAR(run.messages, 300, 6) << d.hz << " Hz";

        const PacedRun uncapped = RunRefreshes(d.hz, d.jitterMs, UNCAPPED_FRAME_RATE);
        EXPECT_NEAR(uncapped.frames, 3 * d.hz, 1) << d.hz << " Hz, no cap: a frame every refresh";
    }
}

TEST(RefreshPacing, TheRefreshNearestTheDueTimeDrawsTheFrame) {
    // Refreshes 10 ms apart, a frame due at 100 ms: the refresh at 95 is as near as
    // the one at 105 and draws; the one at 94 is nearer 104 and leaves it.
    const struct {
        double now;
        bool draws;
    } cases[] = {{95.0, true}, {94.0, false}, {100.0, true}};
    for (const auto& c : cases) {
        RefreshPacing pacing;
        pacing.started = true;
        pacing.lastRefreshMs = c.now - 10.0;
        pacing.messageClockMs = c.now - 10.0;
        pacing.frameDueMs = 100.0;
        EXPECT_EQ(PaceRefresh(pacing, c.now).drawFrame, c.draws) << c.now;
    }
}

TEST(RefreshPacing, AFrameDueAtTheRefreshThatDrewItIsAPeriodLater) {
    RefreshPacing pacing;
    pacing.started = true;
    pacing.frameDueMs = 0.0;
    pacing.lastRefreshMs = 1000.0;
    ScheduleNextFrame(pacing, 1); // due at 1000, which is now
    EXPECT_DOUBLE_EQ(pacing.frameDueMs, 2000.0);
    ScheduleNextFrame(pacing, 0); // no cap to divide by: one frame a second
    EXPECT_DOUBLE_EQ(pacing.frameDueMs, 3000.0);
}

TEST(RefreshPacing, ThirtyFramesAtTheStandardCapTakeOneSecond) {
    RefreshPacing pacing;
    PaceRefresh(pacing, 0);
    for (int frame = 0; frame < STANDARD_FRAME_RATE; ++frame) {
        ScheduleNextFrame(pacing, STANDARD_FRAME_RATE);
    }
    EXPECT_NEAR(pacing.frameDueMs, 1000.0, 1e-9);
}

TEST(RefreshPacing, AStallIsNotMadeUpWithABurstOfFramesOrMessages) {
    for (const double hz : {60.0, 144.0}) {
        // Half a second without refreshes costs its 15 frames and 50 messages.
        const PacedRun run = RunRefreshes(hz, 0, STANDARD_FRAME_RATE, 500);
        EXPECT_NEAR(run.frames, 75, 1) << hz << " Hz";
        EXPECT_NEAR(run.messages, 250, 6) << hz << " Hz";
    }
}

} // namespace
