// The copy of the back buffer that the canvas is given.
#pragma once

#include <cstddef>

// Copies pixelCount pixels of blue, green, red and an unused fourth byte into
// red, green, blue and an opaque alpha, the order and alpha a canvas takes. The
// back buffer's own fourth byte is never touched: only the copy is made opaque,
// since a canvas stores translucent pixels premultiplied and would shift colours.
void CopyToCanvasPixels(const unsigned char* bgrx, unsigned char* rgba, std::size_t pixelCount);
