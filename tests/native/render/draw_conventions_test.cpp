#include "render/draw_conventions.h"

#include "tests/support/mul_div_cases.h"

#include <gtest/gtest.h>

namespace {

TEST(MulDivRounded, RoundsHalvesAwayFromZeroAndReportsOverflowAsMinusOne) {
    for (const MulDivCase& c : MUL_DIV_CASES) {
        EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
    }
}

} // namespace
