#include "app/display_scale.h"

#include <cstdint>

namespace {

int KnownDpi(int dpi) {
    return dpi > 0 ? dpi : LAYOUT_DPI;
}

} // namespace

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    std::int64_t divisor = c;
    if (divisor < 0) {
        product = -product;
        divisor = -divisor;
    }
    const std::int64_t half = divisor / 2;
    const std::int64_t result =
        product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    // Win32 gives -1 for the most negative value as well, so the two always agree.
    if (result > INT32_MAX || result <= INT32_MIN) {
        return -1;
    }
    return static_cast<int>(result);
}

int PixelsToLayoutUnits(int pixels, int dpi) {
    return MulDivRounded(pixels, LAYOUT_DPI, KnownDpi(dpi));
}

int DisplayPixels(int units, int dpi) {
    return MulDivRounded(units, KnownDpi(dpi), LAYOUT_DPI);
}
