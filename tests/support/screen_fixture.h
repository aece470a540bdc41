// One screen routine drawn alone, through the recording fake platform, in a fresh
// game whose base layout size is 640 by 480.
#pragma once

#include "render/frame_composer.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

#include <vector>

class ScreenFixture : public ::testing::Test {
  protected:
    ScreenFixture(ScreenRoutine drawn, int shown) : routine(drawn), screen(shown) {}

    void SetUp() override {
        StartFreshGame();
        ResetFake();
        BaseClientWidth = 640;
        BaseClientHeight = 480;
        ScreenIndex = screen;
    }

    // Draws one frame at the given client size and returns its text calls.
    std::vector<FakeCall> Frame(int width = 640, int height = 480) {
        Fake.calls.clear();
        routine(FakeDrawContext(), 0, 0, width, height, nullptr);
        return CallsOf(FakeCallKind::DrawText);
    }

  private:
    ScreenRoutine routine;
    int screen;
};

// Every font made was deleted, none while selected, and the context's own font
// is selected again.
inline void ExpectFontsReleased() {
    EXPECT_EQ(LiveFontCount(), 0);
    EXPECT_EQ(Fake.fontsDeletedWhileSelected, 0);
    EXPECT_EQ(Fake.selectedFont, 0);
}
