// Display scaling: how pixels of a display at some dots per inch relate to the
// layout's units, which are pixels at 96 dots per inch (100 % scaling).
//
// The layout's base is the first frame's client size in those units, so a
// window of the same apparent size lays out the same at every scaling, and every
// position and font height is its 96-dpi value times the client size over the
// base. Fonts are sized at 96 dpi for the same reason; what a screen draws in
// fixed pixels (borders, the caret, the frame-rate overlay) is scaled by
// DisplayPixels.
#pragma once

enum { LAYOUT_DPI = 96 };

// Display pixels in layout units, rounded to the nearest; a dpi of 0 or less counts
// as 96.
int PixelsToLayoutUnits(int pixels, int dpi);

// Layout units in display pixels, rounded to the nearest (halves away from zero);
// a dpi of 0 or less counts as 96.
int DisplayPixels(int units, int dpi);

// While the base is still to be recorded (AppSettings.recordBaseSize), records a
// client area of width by height display pixels at dpi as the base, in layout
// units, and says it is recorded. The exe's first frame records its client area
// this way; the page records its fixed base before its first frame.
void RecordBaseLayoutSize(int width, int height, int dpi);
