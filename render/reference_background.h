// The background formula evaluated pixel by pixel exactly as written, in double
// precision: the measure the fast fill is checked against, pixel for pixel, and
// timed against. The game uses it only in a build configured with
// LORVAN_REFERENCE_BACKGROUND, made to compare the two end to end.
#pragma once

// The red byte of a pixel whose x * y is product, at the given phase: the low byte
// of the 16-bit truncation of product * 0.01 + phase; truncated values above 32767
// give -32768 and so 0.
unsigned char ReferenceRedByte(int product, unsigned char phase);

// Fills the buffer as FillBackground does (same layout and contract), one pixel at
// a time.
void ReferenceFillBackground(unsigned char* pixels, int width, int height, unsigned char phase);
