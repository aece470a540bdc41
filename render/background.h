// The animated colour pattern behind every screen.
#pragma once

// Fills a top-down 32-bit buffer of width by height pixels (bytes blue, green, red
// and a fourth whose value is kept). With p the phase:
//   blue  = (p + x) mod 256, a ramp along x that moves with the phase;
//   green = (x * y - 100) mod 256, hyperbolic bands that stand still;
//   red   = low byte of the 16-bit truncation of x * y * 0.01 + p, hyperbolic bands
//           that move; where the truncated value passes 32767 the 16-bit
//           conversion gives -32768, so red is 0 there.
// Every pixel is computed on every call; the result is byte for byte that of the
// per-pixel formula (ReferenceFillBackground), only faster.
void FillBackground(unsigned char* pixels, int width, int height, unsigned char phase);

// The red byte in integer arithmetic, which the fast fill is built on: for a
// product x * y >= 0 it equals the formula's double-precision red byte.
inline unsigned char ExactRedByte(long long product, unsigned char phase) {
    const long long hundredths = product + 100LL * phase; // (x * y * 0.01 + p) * 100
    return hundredths > 3276799 ? 0 : static_cast<unsigned char>(hundredths / 100);
}
