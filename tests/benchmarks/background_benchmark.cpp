// The background fill against the two things it is measured by: memset of the same
// buffer (how fast the machine can write it at all) and the per-pixel formula;
// also a bare merge of a constant colour, the bound for a fill that keeps each
// pixel's fourth byte.
#include "render/background.h"
#include "render/reference_background.h"
#include "tests/benchmarks/benchmark_buffer.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstring>

namespace {

// Each iteration moves the phase on by 5, as the game does from frame to frame.
template <void (*Fill)(unsigned char*, int, int, unsigned char)>
void BM_Background(benchmark::State& state) {
    const int width = static_cast<int>(state.range(0));
    const int height = static_cast<int>(state.range(1));
    std::vector<unsigned char> buffer = BenchmarkBuffer(width, height);
    unsigned char phase = 0;
    for (auto _ : state) {
        phase = static_cast<unsigned char>(phase + 5);
        Fill(buffer.data(), width, height, phase);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * BufferBytes(width, height));
}

void MemsetFill(unsigned char* pixels, int width, int height, unsigned char phase) {
    std::memset(pixels, phase, static_cast<std::size_t>(BufferBytes(width, height)));
}

// The bound for any fill that keeps each pixel's fourth byte by reading it: a
// constant colour merged into every pixel, with no arithmetic to speak of.
void KeepFourthByteFill(unsigned char* pixels, int width, int height, unsigned char phase) {
    const std::size_t count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    const std::uint32_t colour = phase * 0x010101u;
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t pixel;
        std::memcpy(&pixel, pixels + 4 * i, 4);
        pixel = (pixel & 0xFF000000u) | colour;
        std::memcpy(pixels + 4 * i, &pixel, 4);
    }
}

void Sizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->Args({640, 480})->Args({1920, 1080})->Args({3840, 2160});
    benchmark->Unit(benchmark::kMicrosecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_Background<MemsetFill>)->Name("memset")->Apply(Sizes);
BENCHMARK(BM_Background<KeepFourthByteFill>)->Name("keep_fourth_byte")->Apply(Sizes);
BENCHMARK(BM_Background<FillBackground>)->Name("fill")->Apply(Sizes);
BENCHMARK(BM_Background<ReferenceFillBackground>)->Name("reference")->Apply(Sizes);
