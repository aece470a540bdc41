// A whole composed frame - background, screen and overlay - through the recording
// fake platform, so the figures show what the game's own drawing costs per frame.
// To measure another screen, add its ScreenIndex to ComposedScreens.
#include "app/game_state.h"
#include "render/frame_composer.h"
#include "tests/benchmarks/benchmark_buffer.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <benchmark/benchmark.h>

namespace {

// -1 is outside every screen: the frame shows the background alone.
const int ComposedScreens[] = {-1,          AskName,        Introduction, AskFirstNumber,
                               AskLoveName, AskFriendName1, AskTitle1,    Thinking,
                               ShowResults};

void BM_ComposeFrame(benchmark::State& state) {
    const int screen = static_cast<int>(state.range(0));
    const int width = static_cast<int>(state.range(1));
    const int height = static_cast<int>(state.range(2));
    std::vector<unsigned char> buffer = BenchmarkBuffer(width, height);
    StartFreshGame();
    ResetFake();
    ScreenIndex = screen;
    for (auto _ : state) {
        ComposeFrame(FakeDrawContext(), width, height, buffer.data());
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
        ResetFake(); // the fake keeps every call; forget them so memory stays flat
    }
    state.SetBytesProcessed(state.iterations() * BufferBytes(width, height));
}

void ScreensAndSizes(benchmark::internal::Benchmark* benchmark) {
    benchmark->ArgNames({"screen", "width", "height"});
    for (int screen : ComposedScreens) {
        benchmark->Args({screen, 1920, 1080})->Args({screen, 3840, 2160});
    }
    benchmark->Unit(benchmark::kMicrosecond)->UseRealTime();
}

} // namespace

BENCHMARK(BM_ComposeFrame)->Name("compose_frame")->Apply(ScreensAndSizes);
