// Display scaling: how pixels of a display at some dots per inch relate to the
// layout's units, which are pixels at 96 dots per inch (100 % scaling).
//
// The layout's base is the first frame's client size in those units, so a
// window of the same apparent size lays out the same at every scaling, and every
// position and font height is its 96-dpi value times the client size over the
// base. Fonts are sized at 96 dpi for the same reason; what a screen draws in
// fixed pixels (borders, the caret, the frame-rate overlay) is scaled by
// DisplayPixels. The Win32 shell sizes its window by the same conversions.
#pragma once

enum { LAYOUT_DPI = 96 };

// (a * b) / c rounded to the nearest integer, halves away from zero, with a 64-bit
// intermediate; -1 when c is 0 or the result does not fit in -2^31+1 .. 2^31-1,
// as Win32's MulDiv.
int MulDivRounded(int a, int b, int c);

// Display pixels in layout units, rounded to the nearest; a dpi of 0 or less counts
// as 96.
int PixelsToLayoutUnits(int pixels, int dpi);

// Layout units in display pixels, rounded to the nearest (halves away from zero);
// a dpi of 0 or less counts as 96.
int DisplayPixels(int units, int dpi);
