// A back buffer for the benchmarks, touched once so that page faults are not timed.
#pragma once

#include <cstddef>
#include <vector>

inline std::vector<unsigned char> BenchmarkBuffer(int width, int height) {
    return std::vector<unsigned char>(4 * static_cast<std::size_t>(width) * height, 0);
}

inline long long BufferBytes(int width, int height) {
    return 4LL * width * height;
}
