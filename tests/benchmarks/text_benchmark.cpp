// The portable text renderer drawing what the results screen draws with the
// longest answers (the texts collected from the real screen), text alone, without
// the background: with the glyph cache warm, as in every frame after the first,
// and cold, as in the first frame at a new size.
#include "app/game_state.h"
#include "tests/benchmarks/benchmark_buffer.h"
#include "tests/support/game_texts.h"
#include "text_renderer/glyph_cache.h"
#include "text_renderer/text_renderer.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

void DrawAll(PlatformDrawContext& context, const std::vector<GameText>& texts) {
    for (const GameText& text : texts) {
        PlatformFont font = {text.fontHeight, text.fontWeight};
        context.selectedFont = &font;
        context.textColor = text.textColor;
        context.backgroundColor = text.backgroundColor;
        context.backgroundMode = text.backgroundMode;
        RenderText(context, text.text.c_str(), static_cast<int>(text.text.size()), text.rect,
                   text.format);
        context.selectedFont = nullptr;
    }
}

void BM_ResultsText(benchmark::State& state) {
    const bool warm = state.range(0) != 0;
    const int width = static_cast<int>(state.range(1));
    const int height = static_cast<int>(state.range(2));
    std::vector<GameText> texts;
    for (const GameText& text : CollectGameTexts(width, height)) {
        if (text.screen == ShowResults) {
            texts.push_back(text);
        }
    }
    std::vector<unsigned char> buffer = BenchmarkBuffer(width, height);
    PlatformDrawContext context;
    BindDrawContext(context, buffer.data(), width, height, 96);
    ClearGlyphCache();
    DrawAll(context, texts);
    for (auto _ : state) {
        if (!warm) {
            ClearGlyphCache();
        }
        DrawAll(context, texts);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    long long characters = 0;
    for (const GameText& text : texts) {
        characters += static_cast<long long>(text.text.size());
    }
    state.counters["characters"] = static_cast<double>(characters);
    state.counters["cache_bytes"] = static_cast<double>(CurrentGlyphCacheUsage().bytes);
}

} // namespace

BENCHMARK(BM_ResultsText)
    ->Name("results_text")
    ->ArgNames({"warm", "width", "height"})
    ->Args({1, 1920, 1080})
    ->Args({0, 1920, 1080})
    ->Args({1, 3840, 2160})
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime();
