// The background fill runs over every pixel of every frame, up to 8 million pixels
// on a large display, so it is written to run at the speed the buffer can be
// written, while giving exactly the pixels of the per-pixel formula in the header.
//
// Why the fast form is exact
// --------------------------
// Red. With P = x * y and phase p, the formula truncates the double P * 0.01 + p.
// The double 0.01 is a little above 1/100, so the product is never below P / 100,
// and rounding is monotonic: where P / 100 + p is an integer (which a double holds
// exactly) the computed value is not below it. Everywhere the computed value lies
// within far less than 1/100 of the exact one (a relative error of about 1e-16 on
// values below 32768), while the exact values are multiples of 1/100. So the
// truncation never misses an integer it should reach, nor reaches one it should
// not, and equals the integer quotient (P + 100 p) / 100.
// The truncated value passes 32767 exactly when P + 100 p >= 3276800 (the double
// reaches 32768 there and not before); the 16-bit conversion then gives -32768,
// whose low byte is 0. That is ExactRedByte, and the native
// tests check it against the double formula for every product and phase the
// game can meet.
//
// Blocks of 100 pixels. Along a row, moving 100 pixels right adds 100 y to P,
// which adds exactly y to the quotient (P + 100 p) / 100, 100 y to P - 100 and
// 100 to p + x. Only the low byte of each channel is kept, so a row is its first
// 100 pixels (the block pattern) plus, per block, the per-channel steps
// (100, 100 y, y) modulo 256 - a byte-wise add that never carries from one
// channel into the next. Beyond the last x whose red is drawn, red is 0.
//
// Each frame is still computed from scratch; nothing is kept between calls.
#include "render/background.h"

#if LORVAN_REFERENCE_BACKGROUND

#include "render/reference_background.h"

void FillBackground(unsigned char* pixels, int width, int height, unsigned char phase) {
    ReferenceFillBackground(pixels, width, height, phase);
}

#else

#include <cstddef>
#include <cstdint>
#include <cstring>

// SSE2 is part of every x86-64 processor; the block writer uses it directly so
// that every compiler and optimisation level gets the same short loop.
#if defined(__SSE2__) || defined(_M_X64) || defined(_M_AMD64)
#include <emmintrin.h>
#define LORVAN_BACKGROUND_SSE2 1
#endif

namespace {

// Pixels per block: moving this far right changes each channel by a fixed step.
constexpr int BlockPixels = 100;
constexpr int BlockBytes = 4 * BlockPixels;

// The largest P + 100 p whose red is drawn: beyond it x * y * 0.01 + p truncates
// to more than 32767 (the same bound as ExactRedByte).
constexpr long long LargestDrawnRed = 3276799;

// Fills one row's block pattern (its first 100 pixels, as if the row were that
// wide) as bytes blue, green, red, 0.
void PrepareBlockPattern(unsigned char* pattern, int y, unsigned char phase) {
    // Red is (j y + 100 p) / 100 = j (y / 100) + p + (j (y % 100)) / 100. In the
    // last quotient n = j (y % 100) is at most 99 * 99, and n / 100 equals
    // (n * 5243) >> 19: 5243 / 2^19 exceeds 1/100 by 12 / (100 * 2^19), so for n
    // below 2^19 / 12 (about 43690) the excess stays under 1/100, the least gap
    // between n / 100 and the next integer. Unsigned arithmetic wraps, which keeps
    // every low byte right however large y is.
    const unsigned wholeStep = static_cast<unsigned>(y) / 100;
    const unsigned partStep = static_cast<unsigned>(y) % 100;
    for (unsigned j = 0; j < BlockPixels; ++j) {
        const unsigned blue = phase + j;
        const unsigned green = j * static_cast<unsigned>(y) - 100;
        const unsigned red = j * wholeStep + phase + ((j * partStep * 5243u) >> 19);
        const std::uint32_t word = (blue & 0xFFu) | (green & 0xFFu) << 8 | (red & 0xFFu) << 16;
        std::memcpy(pattern + 4 * j, &word, 4);
    }
}

// What has been added to each channel of the pattern so far along the row, modulo
// 256; the channels never carry into each other.
struct BlockOffset {
    unsigned char blue;
    unsigned char green;
    unsigned char red;
};

// Writes pixels 0 to count - 1 of a block, pixel by pixel and only the three
// colour bytes: the short block at a row's end, and every block on a processor
// without SSE2.
void WriteBlockPixels(unsigned char* out, const unsigned char* pattern, BlockOffset offset,
                      int count) {
    for (int j = 0; j < count; ++j) {
        out[4 * j] = static_cast<unsigned char>(pattern[4 * j] + offset.blue);
        out[4 * j + 1] = static_cast<unsigned char>(pattern[4 * j + 1] + offset.green);
        out[4 * j + 2] = static_cast<unsigned char>(pattern[4 * j + 2] + offset.red);
    }
}

#if LORVAN_BACKGROUND_SSE2
// Writes four pixels: a byte-wise add of the offset (no channel carries into the
// next), merged with each pixel's fourth byte. That byte keeps its value - it is
// read and written back unchanged in the same 16-byte store - so whole vectors
// can be stored.
inline void WriteFourPixels(unsigned char* out, const unsigned char* pattern, __m128i add,
                            __m128i fourthBytes) {
    const __m128i colour =
        _mm_add_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pattern)), add);
    const __m128i kept =
        _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i*>(out)), fourthBytes);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_or_si128(colour, kept));
}

void WriteWholeBlock(unsigned char* out, const unsigned char* pattern, BlockOffset offset) {
    const unsigned addWord = offset.blue | static_cast<unsigned>(offset.green) << 8 |
                             static_cast<unsigned>(offset.red) << 16;
    const __m128i add = _mm_set1_epi32(static_cast<int>(addWord));
    const __m128i fourthBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
    // Twenty pixels per pass, so the loop's own counting costs little.
    constexpr int PassBytes = 5 * 16;
    static_assert(BlockBytes % PassBytes == 0, "a block is whole passes");
    for (int i = 0; i < BlockBytes; i += PassBytes) {
        WriteFourPixels(out + i, pattern + i, add, fourthBytes);
        WriteFourPixels(out + i + 16, pattern + i + 16, add, fourthBytes);
        WriteFourPixels(out + i + 32, pattern + i + 32, add, fourthBytes);
        WriteFourPixels(out + i + 48, pattern + i + 48, add, fourthBytes);
        WriteFourPixels(out + i + 64, pattern + i + 64, add, fourthBytes);
    }
}
#else
void WriteWholeBlock(unsigned char* out, const unsigned char* pattern, BlockOffset offset) {
    WriteBlockPixels(out, pattern, offset, BlockPixels);
}
#endif

// The block in which red ends at pixel redEnd: folds the red offset into the
// pattern so red can be cleared from redEnd on.
void EndRed(unsigned char* pattern, BlockOffset& offset, int redEnd) {
    for (int j = 0; j < BlockPixels; ++j) {
        unsigned char& red = pattern[4 * j + 2];
        red = j < redEnd ? static_cast<unsigned char>(red + offset.red) : 0;
    }
    offset.red = 0;
}

void ClearRed(unsigned char* pattern) {
    for (int j = 0; j < BlockPixels; ++j) {
        pattern[4 * j + 2] = 0;
    }
}

void FillRow(unsigned char* row, int width, int y, unsigned char phase) {
    unsigned char pattern[BlockBytes];
    PrepareBlockPattern(pattern, y, phase);
    BlockOffset offset = {0, 0, 0};
    BlockOffset step = {static_cast<unsigned char>(BlockPixels),
                        static_cast<unsigned char>(BlockPixels * static_cast<unsigned>(y)),
                        static_cast<unsigned char>(y)};

    // The last x whose red is drawn: x * y <= LargestDrawnRed - 100 p.
    const long long redRoom = LargestDrawnRed - 100LL * phase;
    const long long lastRedX = y == 0 ? width : redRoom / y;
    bool redEnded = false;

    for (int x0 = 0; x0 < width; x0 += BlockPixels) {
        const int count = width - x0 < BlockPixels ? width - x0 : BlockPixels;
        const bool redEndsHere = !redEnded && lastRedX - x0 < count - 1;
        if (redEndsHere) {
            // The block before kept its red to the end (lastRedX >= x0 - 1, and
            // lastRedX >= 0 as redRoom > 0), so red ends within this block, not before it.
            EndRed(pattern, offset, static_cast<int>(lastRedX + 1 - x0));
            step.red = 0; // every later block lies beyond the edge
        }
        unsigned char* out = row + 4 * static_cast<std::size_t>(x0);
        if (count < BlockPixels) {
            WriteBlockPixels(out, pattern, offset, count);
            break; // the row's last block
        }
        WriteWholeBlock(out, pattern, offset);
        if (redEndsHere) {
            ClearRed(pattern);
            redEnded = true;
        }
        offset.blue = static_cast<unsigned char>(offset.blue + step.blue);
        offset.green = static_cast<unsigned char>(offset.green + step.green);
        offset.red = static_cast<unsigned char>(offset.red + step.red);
    }
}

// The back buffer is a fresh DIB section every frame, so none of its pages has been
// touched yet. The rows below read each group of pixels before writing it back
// (to keep the fourth byte as it is), and a page first read and then written costs
// the system two faults instead of one, which under Wine made frames slower than
// the plain per-pixel fill. Writing one colour byte in every 4 KiB page first
// makes each page's first touch a write; the rows then put the right value there.
void TouchEveryPageByWriting(unsigned char* pixels, std::size_t bytes) {
    const std::size_t pageBytes = 4096; // a multiple of 4: always a pixel's blue byte
    for (std::size_t offset = 0; offset < bytes; offset += pageBytes) {
        pixels[offset] = 0;
    }
}

} // namespace

void FillBackground(unsigned char* pixels, int width, int height, unsigned char phase) {
    if (width <= 0 || height <= 0) {
        return;
    }
    const std::size_t rowBytes = 4 * static_cast<std::size_t>(width);
    TouchEveryPageByWriting(pixels, rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        FillRow(pixels + rowBytes * static_cast<std::size_t>(y), width, y, phase);
    }
}

#endif
