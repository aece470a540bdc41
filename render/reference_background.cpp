#include "render/reference_background.h"

unsigned char ReferenceRedByte(int product, unsigned char phase) {
    const double value = product * 0.01 + phase;
    if (value > 32767.0) {
        return 0; // the 16-bit conversion saturates at -32768, whose low byte is 0
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
