// Presents each frame: a fresh top-down 32-bit DIB section the size of the client
// area, composed by the portable frame composer and copied to the window in one
// BitBlt. Everything made here is released before the function returns.
#include "app/uia_provider.h"
#include "app/win32_shell.h"

#include "render/frame_composer.h"

int RenderFrame(HWND window) {
    // The frame after File > Exit or the close box finds the window destroyed: it
    // has no client rectangle and nothing may be drawn or painted there.
    RECT client = {};
    if (!GetClientRect(window, &client)) {
        return 0;
    }
    PAINTSTRUCT paint = {};
    BeginPaint(window, &paint);
    HDC windowDc = GetDC(window);

    const int width = client.right - client.left;
    const int height = client.bottom - client.top;

    // A minimised window has an empty client area and so no pixels to draw into.
    HDC memoryDc = nullptr;
    HBITMAP buffer = nullptr;
    if (HasDrawableArea(width, height)) {
        BITMAPINFO info = {};
        info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        info.bmiHeader.biWidth = width;
        info.bmiHeader.biHeight = -height; // top-down: row 0 is the top row
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 32;
        info.bmiHeader.biCompression = BI_RGB;
        info.bmiHeader.biSizeImage = static_cast<DWORD>(width) * static_cast<DWORD>(height) * 4;

        memoryDc = CreateCompatibleDC(nullptr);
        void* bits = nullptr;
        buffer = CreateDIBSection(memoryDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
        if (buffer != nullptr && bits != nullptr && memoryDc != nullptr) {
            HGDIOBJ previousBitmap = SelectObject(memoryDc, buffer);
            const FrameReport& report = ComposeFrame(reinterpret_cast<DrawContext>(memoryDc), width,
                                                     height, static_cast<unsigned char*>(bits));
            BitBlt(windowDc, 0, 0, width, height, memoryDc, 0, 0, SRCCOPY);
            TellReadersOfFrame(report); // once the frame shows what they will hear
            // Put the context's own bitmap back so the buffer is free to be deleted.
            SelectObject(memoryDc, previousBitmap);
        }
    }

    // The window's context and paint cycle go first, then what this frame made.
    ReleaseDC(window, windowDc);
    EndPaint(window, &paint);
    if (memoryDc != nullptr) {
        DeleteDC(memoryDc);
    }
    if (buffer != nullptr) {
        DeleteObject(buffer);
    }
    return 0;
}
