#include "render/reference_background.h"

unsigned char ReferenceRedByte(int product, unsigned char phase) {
    // Truncated toward zero, the value must fit a 16-bit signed integer; where it
    // passes 32767 the conversion yields -32768, whose low byte is 0. A value just
    // above 32767 (32767.5, say) still truncates to 32767 and so keeps red 255.
    const double value = product * 0.01 + phase;
    if (value >= 32768.0) {
        return 0;
    }
    return static_cast<unsigned char>(static_cast<short>(value));
}

void ReferenceFillBackground(unsigned char* pixels, int width, int height, unsigned char phase) {
    unsigned char* pixel = pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int product = x * y;
            pixel[0] = static_cast<unsigned char>(phase + x);
            pixel[1] = static_cast<unsigned char>(product - 100);
            pixel[2] = ReferenceRedByte(product, phase);
            pixel += 4; // the fourth byte is left alone
        }
    }
}
