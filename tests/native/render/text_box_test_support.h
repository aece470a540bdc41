// A back buffer for the text box tests: width by height pixels of four bytes,
// filled with a marker, followed by a guard area that no drawing may reach.
#pragma once

#include <cstdint>
#include <vector>

enum : unsigned char { UNTOUCHED_BYTE = 0x5A };

struct TestBuffer {
    TestBuffer(int w, int h)
        : width(w), height(h),
          bytes(static_cast<std::size_t>(w * h * 4 + GUARD_BYTES), UNTOUCHED_BYTE) {}

    enum { GUARD_BYTES = 64 };

    int width;
    int height;
    std::vector<unsigned char> bytes;

    unsigned char* pixels() { return bytes.data(); }

    // The pixel as 0x00RRGGBB.
    std::uint32_t At(int x, int y) const {
        const unsigned char* p = &bytes[static_cast<std::size_t>((y * width + x) * 4)];
        return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
               (static_cast<std::uint32_t>(p[2]) << 16);
    }

    bool Touched(int x, int y) const {
        const unsigned char* p = &bytes[static_cast<std::size_t>((y * width + x) * 4)];
        return p[0] != UNTOUCHED_BYTE || p[1] != UNTOUCHED_BYTE || p[2] != UNTOUCHED_BYTE;
    }

    int TouchedCount() const {
        int count = 0;
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                count += Touched(x, y) ? 1 : 0;
            }
        }
        return count;
    }

    // The fourth byte of every pixel and the guard area behind the buffer.
    bool OnlyColourBytesWritten() const {
        for (std::size_t i = 3; i < static_cast<std::size_t>(width * height * 4); i += 4) {
            if (bytes[i] != UNTOUCHED_BYTE) {
                return false;
            }
        }
        for (std::size_t i = static_cast<std::size_t>(width * height * 4); i < bytes.size(); ++i) {
            if (bytes[i] != UNTOUCHED_BYTE) {
                return false;
            }
        }
        return true;
    }
};
