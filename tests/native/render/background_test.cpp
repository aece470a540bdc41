#include "render/background.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

const unsigned char UNTOUCHED = 0xA5;

struct Pixel {
    int blue;
    int green;
    int red;
};

// The pattern written out again from its definition, so that the fill is checked
// against the rule and not against itself.
Pixel Expected(int x, int y, int phase) {
    const std::int32_t product = x * y;
    const double value = product * 0.01 + phase;
    const long long truncated = static_cast<long long>(value);
    const int red = truncated > 32767 ? 0 : static_cast<int>(truncated & 0xFF);
    return Pixel{(phase + x) & 0xFF, (product - 100) & 0xFF, red};
}

std::vector<unsigned char> Filled(int width, int height, unsigned char phase) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * 4, UNTOUCHED);
    FillBackground(pixels.data(), width, height, phase);
    return pixels;
}

Pixel At(const std::vector<unsigned char>& pixels, int width, int x, int y) {
    const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
    return Pixel{pixels[i], pixels[i + 1], pixels[i + 2]};
}

// Compares every pixel and the untouched fourth byte; returns the mismatches.
int Mismatches(const std::vector<unsigned char>& pixels, int width, int height, int phase) {
    int bad = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Pixel got = At(pixels, width, x, y);
            const Pixel want = Expected(x, y, phase);
            const std::size_t i = (static_cast<std::size_t>(y) * width + x) * 4;
            if (got.blue != want.blue || got.green != want.green || got.red != want.red ||
                pixels[i + 3] != UNTOUCHED) {
                ++bad;
            }
        }
    }
    return bad;
}

TEST(Background, MatchesTheKnownPixelsOfTheFirstFrame) {
    struct Case {
        int x, y;
        Pixel want;
    } cases[] = {
        {0, 0, {5, 156, 5}},       {10, 20, {15, 100, 7}},
        {251, 0, {0, 156, 5}},     // the blue ramp wraps
        {10, 10, {15, 0, 6}},      // green: 100 - 100
        {300, 300, {49, 44, 137}}, // red: 900 + 5 = 905, low byte 137
    };
    const std::vector<unsigned char> pixels = Filled(320, 320, 5);
    for (const Case& c : cases) {
        const Pixel got = At(pixels, 320, c.x, c.y);
        EXPECT_EQ(got.blue, c.want.blue) << c.x << "," << c.y;
        EXPECT_EQ(got.green, c.want.green) << c.x << "," << c.y;
        EXPECT_EQ(got.red, c.want.red) << c.x << "," << c.y;
    }
}

TEST(Background, FollowsThePhaseForEveryValueAndNeverWritesTheFourthByte) {
    const int width = 37, height = 29; // odd sizes catch row-stride faults
    for (int phase = 0; phase < 256; ++phase) {
        const std::vector<unsigned char> pixels =
            Filled(width, height, static_cast<unsigned char>(phase));
        ASSERT_EQ(Mismatches(pixels, width, height, phase), 0) << "phase " << phase;
    }
}

TEST(Background, GreenStandsStillWhileBlueAndRedMove) {
    const std::vector<unsigned char> a = Filled(64, 64, 5);
    const std::vector<unsigned char> b = Filled(64, 64, 10);
    int redMoved = 0;
    for (int y = 0; y < 64; ++y) {
        for (int x = 0; x < 64; ++x) {
            EXPECT_EQ(At(a, 64, x, y).green, At(b, 64, x, y).green);
            EXPECT_EQ((At(a, 64, x, y).blue + 5) & 0xFF, At(b, 64, x, y).blue);
            redMoved += At(a, 64, x, y).red != At(b, 64, x, y).red ? 1 : 0;
        }
    }
    EXPECT_EQ(redMoved, 64 * 64);
}

TEST(Background, RedDropsToZeroWhereTheValuePasses32767) {
    // x * y passes 3,276,800 (32768 once scaled by 0.01) in the last rows; 4340 * 755
    // is 3,276,700, which lands exactly on 32767.
    const int width = 4400, height = 801;
    for (int phase : {0, 200}) {
        const std::vector<unsigned char> pixels =
            Filled(width, height, static_cast<unsigned char>(phase));
        EXPECT_EQ(Mismatches(pixels, width, height, phase), 0) << "phase " << phase;
    }
    const std::vector<unsigned char> pixels = Filled(width, height, 0);
    EXPECT_EQ(At(pixels, width, 4096, 800).red, 0);   // 32768.00
    EXPECT_EQ(At(pixels, width, 4095, 800).red, 248); // 32760.00
    EXPECT_EQ(At(pixels, width, 4099, 800).red, 0);   // 32792.00
    // Values from 32767 up to just below 32768 truncate to 32767, whose low byte is 255.
    EXPECT_EQ(At(pixels, width, 4340, 755).red, 255); // 32767.00
    int justBelow = 0, past = 0;
    for (int y = 700; y < height; ++y) {
        for (int x = 4000; x < width; ++x) {
            const double value = x * y * 0.01;
            if (value >= 32767.0 && value < 32768.0) {
                ++justBelow;
                EXPECT_EQ(At(pixels, width, x, y).red, 255) << x << "," << y;
            } else if (value >= 32768.0) {
                ++past;
                EXPECT_EQ(At(pixels, width, x, y).red, 0) << x << "," << y;
            }
        }
    }
    EXPECT_GT(justBelow, 0);
    EXPECT_GT(past, 0);
}

} // namespace
