// A back buffer as the exe makes one, for the Win32 tests that draw with GDI.
#pragma once

#include <windows.h>

// A memory context with a 32-bit top-down DIB section selected into it, as the
// exe's back buffer is made: row 0 is the top row, 4 bytes a pixel.
class DibCanvas {
  public:
    DibCanvas(int width, int height);
    ~DibCanvas();
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;

    bool Made() const { return pixels != nullptr; }

    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    unsigned char* pixels = nullptr;
    int width;
    int height;

  private:
    HGDIOBJ previous = nullptr;
};
