#include "web/canvas_copy.h"

#include <cstdint>
#include <cstring>

void CopyToCanvasPixels(const unsigned char* bgrx, unsigned char* rgba, std::size_t pixelCount) {
    // Whole pixels as little-endian words: swap the first and third bytes and set
    // the fourth. The compiler turns this loop into WebAssembly SIMD.
    for (std::size_t i = 0; i < pixelCount; ++i) {
        std::uint32_t pixel;
        std::memcpy(&pixel, bgrx + i * 4, 4);
        const std::uint32_t swapped =
            (pixel & 0x0000FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16) | 0xFF000000u;
        std::memcpy(rgba + i * 4, &swapped, 4);
    }
}
