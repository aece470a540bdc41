// The animated colour pattern behind every screen.
#pragma once

// Fills a top-down 32-bit buffer of width by height pixels (bytes blue, green, red
// and a fourth that is never written). With p the phase:
//   blue  = (p + x) mod 256, a ramp along x that moves with the phase;
//   green = (x * y - 100) mod 256, hyperbolic bands that stand still;
//   red   = low byte of the 16-bit truncation of x * y * 0.01 + p, hyperbolic bands
//           that move; where the value passes 32767 the 16-bit conversion gives
//           -32768, so red is 0 there.
void FillBackground(unsigned char* pixels, int width, int height, unsigned char phase);
