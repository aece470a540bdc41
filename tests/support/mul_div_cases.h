// Cases of the rounded multiply-divide that fonts are sized with, shared by the
// native tests (against the expected values) and the Win32 tests (against MulDiv).
#pragma once

#include <climits>

struct MulDivCase {
    int a;
    int b;
    int c;
    int expected;
};

const MulDivCase MUL_DIV_CASES[] = {
    {14, 96, 72, 19}, // 18.67: the overlay font at 96 dpi
    {14, 120, 72, 23},
    {14, 144, 72, 28},
    {23, 96, 72, 31},
    {20, 96, 72, 27},
    {18, 96, 72, 24},
    {12, 96, 72, 16},
    {12, 120, 72, 20},
    {1, 1, 2, 1}, // halves go away from zero
    {-1, 1, 2, -1},
    {3, 1, 2, 2},
    {-3, 1, 2, -2},
    {5, -1, 2, -3},
    {1, 1, -2, -1},
    {-1, -1, -2, -1},
    {-7, 3, -2, 11},
    {10, 10, 3, 33},
    {-10, 10, 3, -33},
    {0, 5, 3, 0},
    {0, -5, 3, 0},
    {-5, 0, 3, 0},
    {7, 1, 0, -1}, // division by zero
    {INT_MAX, 1, 1, INT_MAX},
    {INT_MAX, INT_MAX, INT_MAX, INT_MAX}, // the product only fits in 64 bits
    {INT_MAX, 2, 1, -1},                  // too large for 32 bits
    {46341, 46341, 1, -1},
    {-INT_MAX, 2, 1, -1},
    {-INT_MAX, 1, 1, -INT_MAX},
    {INT_MIN + 1, 1, 1, INT_MIN + 1},
    {INT_MIN + 2, 1, -1, INT_MAX - 1},
    {-2, 1073741824, 1, -1}, // exactly -2^31 counts as not fitting
};
