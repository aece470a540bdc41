// The composer drawing into a real DIB section selected into a memory context,
// as every frame of the game does.
#include "render/frame_composer.h"

#include "app/game_state.h"
#include "tests/support/fresh_game.h"
#include "tests/win32/dib_canvas.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const BYTE UNTOUCHED = 0x5A;

TEST(ComposeFrameIntoADib, EveryPixelFollowsTheBackgroundAtTheFramesPhase) {
    StartFreshGame();
    ScreenIndex = -1; // the background alone
    const int width = 123, height = 77;
    DibCanvas canvas(width, height);
    ASSERT_TRUE(canvas.Made());
    HDC memory = canvas.dc;
    BYTE* pixels = canvas.pixels;

    for (int frame = 1; frame <= 3; ++frame) {
        FillMemory(pixels, width * height * 4, UNTOUCHED);
        ComposeFrame(reinterpret_cast<DrawContext>(memory), width, height, pixels);
        const int phase = FrameComposer.backgroundPhase;
        ASSERT_EQ(phase, 5 * frame);
        int mismatches = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const BYTE* p = pixels + (y * width + x) * 4;
                const int product = x * y;
                const int red = static_cast<int>(static_cast<short>(product * 0.01 + phase)) & 0xFF;
                if (p[0] != ((phase + x) & 0xFF) || p[1] != ((product - 100) & 0xFF) ||
                    p[2] != red || p[3] != UNTOUCHED) {
                    ++mismatches;
                }
            }
        }
        EXPECT_EQ(mismatches, 0) << "frame " << frame;
    }
    // GDI sees the same pixels: row 0 is the top row.
    EXPECT_EQ(GetPixel(memory, 0, 0), RGB(15, 156, 15));
    EXPECT_EQ(GetPixel(memory, 10, 20), RGB(17, 100, 25));
    EXPECT_EQ(BaseClientWidth, width);
    EXPECT_EQ(BaseClientHeight, height);
}

} // namespace
