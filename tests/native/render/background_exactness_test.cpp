// The fast background fill must give exactly the pixels of the per-pixel double
// formula, for every phase, every size and every product the game can meet.
#include "render/background.h"
#include "render/reference_background.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <vector>

namespace {

// The largest client area checked: products x * y of pixels inside it.
constexpr int LargestSide = 4096;
constexpr long long LargestProduct = static_cast<long long>(LargestSide - 1) * (LargestSide - 1);

// From this product on red is 0 at every phase: x * y * 0.01 alone reaches 32768.
constexpr int FirstProductWithoutRed = 3276800;

// The double formula against the integer form the fast fill is built on. Every
// product up to the edge of red is checked at every phase. Beyond it only phase
// 0 needs checking: adding a phase only makes the value larger, and the formula
// gives 0 for every value of 32768 or more.
void ExpectRedMatchesForPhases(int firstPhase, int lastPhase) {
    for (int phase = firstPhase; phase <= lastPhase; ++phase) {
        const unsigned char p = static_cast<unsigned char>(phase);
        int mismatches = 0;
        for (int product = 0; product <= FirstProductWithoutRed; ++product) {
            if (ReferenceRedByte(product, p) != ExactRedByte(product, p) && ++mismatches <= 3) {
                ADD_FAILURE() << "product " << product << " phase " << phase << ": formula "
                              << int(ReferenceRedByte(product, p)) << ", integer form "
                              << int(ExactRedByte(product, p));
            }
        }
        ASSERT_EQ(mismatches, 0) << "phase " << phase;
    }
}

TEST(BackgroundRedByte, IntegerFormMatchesFormulaForPhases0To63) {
    ExpectRedMatchesForPhases(0, 63);
}
TEST(BackgroundRedByte, IntegerFormMatchesFormulaForPhases64To127) {
    ExpectRedMatchesForPhases(64, 127);
}
TEST(BackgroundRedByte, IntegerFormMatchesFormulaForPhases128To191) {
    ExpectRedMatchesForPhases(128, 191);
}
TEST(BackgroundRedByte, IntegerFormMatchesFormulaForPhases192To255) {
    ExpectRedMatchesForPhases(192, 255);
}

TEST(BackgroundRedByte, EveryLargerProductHasNoRed) {
    for (int product = FirstProductWithoutRed; product <= LargestProduct; ++product) {
        ASSERT_EQ(ReferenceRedByte(product, 0), 0) << "product " << product;
        ASSERT_EQ(ExactRedByte(product, 255), 0) << "product " << product;
    }
}

TEST(BackgroundRedByte, RedEndsWhereTheTruncatedValuePasses32767) {
    struct Case {
        int product;
        unsigned char phase;
        int red;
    };
    const Case cases[] = {
        {3276700, 0, 0xFF},               // exactly 32767
        {3276799, 0, 0xFF},               // 32767.99 truncates to 32767: the last red
        {3276800, 0, 0},                  // 32768 saturates
        {3276799 - 100 * 255, 255, 0xFF}, // the edge moves in by 100 per phase step
        {3276800 - 100 * 255, 255, 0},
        {0, 5, 5},   // pixel (0, 0) on the first frame
        {200, 5, 7}, // pixel (10, 20) on the first frame
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReferenceRedByte(c.product, c.phase), c.red) << c.product;
        EXPECT_EQ(ExactRedByte(c.product, c.phase), c.red) << c.product;
    }
}

// A buffer with guard bytes on both sides and a distinct fourth byte in every
// pixel, so a write outside the pixels or into a fourth byte shows.
constexpr std::size_t GuardBytes = 64;

unsigned char FourthByteOf(std::size_t pixel) {
    return static_cast<unsigned char>(pixel * 7 + 3);
}

std::vector<unsigned char> GuardedBuffer(int width, int height) {
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<unsigned char> buffer(GuardBytes + 4 * pixels + GuardBytes, 0xA5);
    for (std::size_t i = 0; i < pixels; ++i) {
        buffer[GuardBytes + 4 * i + 3] = FourthByteOf(i);
    }
    return buffer;
}

void ExpectFillMatchesReference(int width, int height, unsigned char phase) {
    std::vector<unsigned char> fast = GuardedBuffer(width, height);
    std::vector<unsigned char> reference = fast;
    FillBackground(fast.data() + GuardBytes, width, height, phase);
    ReferenceFillBackground(reference.data() + GuardBytes, width, height, phase);

    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    for (std::size_t i = 0; i < GuardBytes; ++i) {
        ASSERT_EQ(fast[i], 0xA5) << "guard byte before the buffer overwritten";
        ASSERT_EQ(fast[GuardBytes + 4 * pixels + i], 0xA5) << "guard byte after the buffer";
    }
    for (std::size_t i = 0; i < pixels; ++i) {
        const unsigned char* got = &fast[GuardBytes + 4 * i];
        const unsigned char* want = &reference[GuardBytes + 4 * i];
        const int x = static_cast<int>(i % static_cast<std::size_t>(width));
        const int y = static_cast<int>(i / static_cast<std::size_t>(width));
        ASSERT_EQ(got[3], FourthByteOf(i)) << "fourth byte changed at " << x << "," << y;
        ASSERT_TRUE(got[0] == want[0] && got[1] == want[1] && got[2] == want[2])
            << width << "x" << height << " phase " << int(phase) << " pixel " << x << "," << y
            << ": got " << int(got[0]) << "," << int(got[1]) << "," << int(got[2]) << " want "
            << int(want[0]) << "," << int(want[1]) << "," << int(want[2]);
    }
}

TEST(BackgroundFill, MatchesFormulaForSmallSizesAtEveryPhase) {
    // Single pixels, single rows and columns, sizes around the 100-pixel blocks
    // the fill works in, and odd widths.
    const int sizes[][2] = {{1, 1},   {1, 300}, {300, 1}, {99, 7},   {100, 3},
                            {101, 5}, {199, 2}, {200, 2}, {333, 11}, {7, 101}};
    for (const auto& size : sizes) {
        for (int phase = 0; phase < 256; ++phase) {
            ExpectFillMatchesReference(size[0], size[1], static_cast<unsigned char>(phase));
            if (HasFatalFailure()) {
                return;
            }
        }
    }
}

TEST(BackgroundFill, MatchesFormulaAtCommonWindowSizes) {
    const struct {
        int width;
        int height;
        unsigned char phase;
    } cases[] = {{640, 480, 5}, {640, 480, 128}, {624, 421, 10}, {1248, 842, 255}, {1920, 1080, 0}};
    for (const auto& c : cases) {
        ExpectFillMatchesReference(c.width, c.height, c.phase);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(BackgroundFill, MatchesFormulaWhereRedEnds) {
    // Areas in which x * y passes the edge of red, at phases that move the edge;
    // odd widths put the edge at every position within a block.
    const struct {
        int width;
        int height;
        unsigned char phase;
    } cases[] = {{3840, 2160, 0}, {3840, 2160, 255}, {2049, 1999, 1}, {1811, 1811, 200}};
    for (const auto& c : cases) {
        ExpectFillMatchesReference(c.width, c.height, c.phase);
        if (HasFatalFailure()) {
            return;
        }
    }
}

TEST(BackgroundFill, MatchesIntegerFormOverTheLargestArea) {
    // Every row and column up to 4096: checked against the integer form, which
    // the tests above prove equal to the formula for every product.
    std::vector<unsigned char> buffer(4 * static_cast<std::size_t>(LargestSide) * LargestSide);
    const unsigned char phases[] = {0, 5, 173, 255};
    for (unsigned char phase : phases) {
        FillBackground(buffer.data(), LargestSide, LargestSide, phase);
        const unsigned char* pixel = buffer.data();
        for (int y = 0; y < LargestSide; ++y) {
            for (int x = 0; x < LargestSide; ++x, pixel += 4) {
                const int product = x * y;
                const bool same = pixel[0] == static_cast<unsigned char>(phase + x) &&
                                  pixel[1] == static_cast<unsigned char>(product - 100) &&
                                  pixel[2] == ExactRedByte(product, phase);
                ASSERT_TRUE(same) << "phase " << int(phase) << " pixel " << x << "," << y;
            }
        }
    }
}

} // namespace
