// A plain timer for the background fill, cross-built with the game's compiler and
// flags and run under Wine: the median of repeated runs of memset, the fast fill
// and the per-pixel formula on the same buffer, and their ratios.
//
// "once fill|reference|memset WIDTH HEIGHT" runs one fill and nothing else, for
// counting instructions with valgrind --tool=callgrind, which load does not skew.
#include "render/background.h"
#include "render/reference_background.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

template <typename Fill> double MedianMicroseconds(int repetitions, Fill fill) {
    std::vector<double> times;
    for (int i = 0; i < repetitions; ++i) {
        const auto start = std::chrono::steady_clock::now();
        fill(static_cast<unsigned char>(5 * i));
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

int RunOnce(const char* kind, int width, int height) {
    std::vector<unsigned char> buffer(4 * static_cast<std::size_t>(width) * height, 0);
    if (std::strcmp(kind, "fill") == 0) {
        FillBackground(buffer.data(), width, height, 5);
    } else if (std::strcmp(kind, "reference") == 0) {
        ReferenceFillBackground(buffer.data(), width, height, 5);
    } else if (std::strcmp(kind, "memset") == 0) {
        std::memset(buffer.data(), 5, buffer.size());
    } else {
        std::fprintf(stderr, "unknown fill %s\n", kind);
        return 2;
    }
    return buffer[buffer.size() / 2] == 0xFF ? 1 : 0; // keeps the fill observable
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "once") == 0) {
        return RunOnce(argv[2], std::atoi(argv[3]), std::atoi(argv[4]));
    }
    const int sizes[][2] = {{640, 480}, {1920, 1080}, {3840, 2160}};
    std::printf("%-10s %10s %10s %12s %17s %15s\n", "size", "memset us", "fill us", "reference us",
                "fill/memset tput", "reference/fill");
    unsigned checksum = 0;
    for (const auto& size : sizes) {
        const int width = size[0];
        const int height = size[1];
        std::vector<unsigned char> buffer(4 * static_cast<std::size_t>(width) * height, 0);
        unsigned char* pixels = buffer.data();
        const int repetitions = width * height > 4000000 ? 31 : 101;
        const double memsetTime = MedianMicroseconds(
            repetitions, [&](unsigned char phase) { std::memset(pixels, phase, buffer.size()); });
        const double fillTime = MedianMicroseconds(repetitions, [&](unsigned char phase) {
            FillBackground(pixels, width, height, phase);
        });
        const double referenceTime =
            MedianMicroseconds(repetitions / 4 + 1, [&](unsigned char phase) {
                ReferenceFillBackground(pixels, width, height, phase);
            });
        checksum += pixels[buffer.size() / 2]; // keeps every fill observable
        std::printf("%4dx%-5d %10.1f %10.1f %12.1f %17.2f %14.1fx\n", width, height, memsetTime,
                    fillTime, referenceTime, memsetTime / fillTime, referenceTime / fillTime);
    }
    std::printf("(checksum %u)\n", checksum);
    return 0;
}
