#include "render/draw_conventions.h"

#include "tests/support/mul_div_cases.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(MulDivRounded, AgreesWithMulDiv) {
    for (const MulDivCase& c : MUL_DIV_CASES) {
        EXPECT_EQ(MulDivRounded(c.a, c.b, c.c), MulDiv(c.a, c.b, c.c))
            << c.a << " * " << c.b << " / " << c.c;
        EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.expected) << c.a << " * " << c.b << " / " << c.c;
    }
}

} // namespace
