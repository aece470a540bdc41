#include "web/canvas_copy.h"

#include <cstdint>
#include <cstring>

#ifdef __wasm_simd128__
#include <wasm_simd128.h>
#endif

void CopyToCanvasPixels(const unsigned char* bgrx, unsigned char* rgba, std::size_t pixelCount) {
    std::size_t i = 0;
#ifdef __wasm_simd128__
    // Four pixels at a time: one shuffle swaps the first and third bytes of each,
    // one OR sets the fourth. The optimiser for size leaves the plain loop below
    // unvectorised, and on a phone's frame of three million pixels that loop cost
    // more than the background itself.
    const v128_t opaque = wasm_i32x4_splat(static_cast<int>(0xFF000000u));
    for (; i + 4 <= pixelCount; i += 4) {
        const v128_t pixels = wasm_v128_load(bgrx + i * 4);
        const v128_t swapped = wasm_i8x16_shuffle(pixels, pixels, 2, 1, 0, 3, 6, 5, 4, 7, 10, 9, 8,
                                                  11, 14, 13, 12, 15);
        wasm_v128_store(rgba + i * 4, wasm_v128_or(swapped, opaque));
    }
#endif
    // Whole pixels as little-endian words: swap the first and third bytes and set
    // the fourth.
    for (; i < pixelCount; ++i) {
        std::uint32_t pixel;
        std::memcpy(&pixel, bgrx + i * 4, 4);
        const std::uint32_t swapped =
            (pixel & 0x0000FF00u) | ((pixel >> 16) & 0xFFu) | ((pixel & 0xFFu) << 16) | 0xFF000000u;
        std::memcpy(rgba + i * 4, &swapped, 4);
    }
}
