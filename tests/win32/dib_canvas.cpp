#include "tests/win32/dib_canvas.h"

DibCanvas::DibCanvas(int canvasWidth, int canvasHeight) : width(canvasWidth), height(canvasHeight) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc != nullptr && bitmap != nullptr) {
        previous = SelectObject(dc, bitmap);
        pixels = static_cast<unsigned char*>(bits);
    }
}

DibCanvas::~DibCanvas() {
    if (previous != nullptr) {
        SelectObject(dc, previous);
    }
    if (dc != nullptr) {
        DeleteDC(dc);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
}
