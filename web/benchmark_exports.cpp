// Hooks for the page's benchmark: the background fill side by side with a plain
// memset of a buffer of the same size, in the same module, so that the page can
// time both with the same clock and give their ratio.
#include "render/background.h"

#include <emscripten.h>

#include <cstddef>
#include <cstring>
#include <vector>

namespace {

std::vector<unsigned char> BenchmarkBuffer; // kept, so no write to it can be left out

unsigned char* BufferOf(int width, int height) {
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    BenchmarkBuffer.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4);
    return BenchmarkBuffer.data();
}

} // namespace

// Fills a width by height buffer with the background count times, the phase moving
// as it does from frame to frame.
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanBenchmarkFill(int width, int height, int count) {
    unsigned char* pixels = BufferOf(width, height);
    if (pixels == nullptr) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        FillBackground(pixels, width, height, static_cast<unsigned char>(5 * i));
    }
}

// Sets every byte of the same buffer count times, a different value each time.
extern "C" EMSCRIPTEN_KEEPALIVE void LorvanBenchmarkMemset(int width, int height, int count) {
    unsigned char* pixels = BufferOf(width, height);
    if (pixels == nullptr) {
        return;
    }
    for (int i = 0; i < count; ++i) {
        std::memset(pixels, i & 0xFF, BenchmarkBuffer.size());
    }
}
