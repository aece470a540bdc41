// The platform operations on Win32: GDI for text, USER32 for message boxes,
// KERNEL32 for the clocks. Each function only translates.
#include "app/platform.h"

#include "app/game_state.h"
#include "app/text_file.h"
#include "app/win32_shell.h"

#include <windows.h>

#include <algorithm>
#include <ctime>

// The portable flags are Win32's own values; these checks keep them honest.
static_assert(TEXT_CENTER == DT_CENTER && TEXT_WORDBREAK == DT_WORDBREAK &&
                  TEXT_NOPREFIX == DT_NOPREFIX && TEXT_TOP_LEFT == (DT_TOP | DT_LEFT),
              "text format flags match DrawTextA");
static_assert(BACKGROUND_TRANSPARENT == TRANSPARENT && BACKGROUND_OPAQUE == OPAQUE,
              "background modes match SetBkMode");
static_assert(MSGBOX_YES_NO_CANCEL == MB_YESNOCANCEL && MSGBOX_ICON_ERROR == MB_ICONERROR &&
                  MSGBOX_ICON_QUESTION == MB_ICONQUESTION &&
                  MSGBOX_ICON_INFORMATION == MB_ICONINFORMATION &&
                  MSGBOX_TYPE_MASK == MB_TYPEMASK && MSGBOX_ANSWER_YES == IDYES &&
                  MSGBOX_ANSWER_NO == IDNO && MSGBOX_ANSWER_CANCEL == IDCANCEL,
              "message box values match MessageBoxA");

namespace {

HDC ToHdc(DrawContext dc) {
    return reinterpret_cast<HDC>(dc);
}

} // namespace

int PlatformPixelsPerInchY(DrawContext dc) {
    // The frames are drawn into a memory context, whose LOGPIXELSY is the system's;
    // the game window's own monitor may be scaled otherwise.
    if (MainWindow != nullptr) {
        return static_cast<int>(WindowDpi(reinterpret_cast<HWND>(MainWindow)));
    }
    return GetDeviceCaps(ToHdc(dc), LOGPIXELSY);
}

FontHandle PlatformCreateFont(int height, int weight, const char* face) {
    HFONT font = CreateFontA(height, 0, 0, 0, weight, 0, 0, 0, 0, 0, 0, 0, 0, face);
    return reinterpret_cast<FontHandle>(font);
}

FontHandle PlatformSelectFont(DrawContext dc, FontHandle font) {
    HGDIOBJ previous = SelectObject(ToHdc(dc), reinterpret_cast<HGDIOBJ>(font));
    return reinterpret_cast<FontHandle>(previous);
}

void PlatformDeleteFont(FontHandle font) {
    DeleteObject(reinterpret_cast<HGDIOBJ>(font));
}

void PlatformSetBackgroundColor(DrawContext dc, std::uint32_t colorRef) {
    SetBkColor(ToHdc(dc), colorRef);
}

void PlatformSetBackgroundMode(DrawContext dc, int mode) {
    SetBkMode(ToHdc(dc), mode);
}

void PlatformSetTextColor(DrawContext dc, std::uint32_t colorRef) {
    SetTextColor(ToHdc(dc), colorRef);
}

void PlatformDrawText(DrawContext dc, const char* text, int length, const TextRect& rect,
                      unsigned format) {
    RECT r = {rect.left, rect.top, rect.right, rect.bottom};
    DrawTextA(ToHdc(dc), text, length, &r, format);
}

int PlatformMeasureTextWidth(DrawContext dc, const char* text, int length) {
    SIZE size = {0, 0};
    if (length <= 0 || !GetTextExtentPoint32A(ToHdc(dc), text, length, &size)) {
        return 0;
    }
    return size.cx;
}

TextRect PlatformMeasureText(DrawContext dc, const char* text, int length, const TextRect& rect,
                             unsigned format) {
    // DT_CALCRECT sizes the text from the rectangle's top-left corner: as wide as
    // its widest line and as tall as all its lines, even past the bottom. Centred
    // lines are drawn about the middle, the widest one from here.
    RECT r = {rect.left, rect.top, rect.right, rect.top};
    if (length <= 0 || DrawTextA(ToHdc(dc), text, length, &r, format | DT_CALCRECT) == 0) {
        return TextRect{rect.left, rect.top, rect.left, rect.top};
    }
    const int width = r.right - r.left;
    const int left =
        (format & TEXT_CENTER) != 0 ? rect.left + (rect.right - rect.left - width) / 2 : rect.left;
    return TextRect{std::max(left, rect.left), rect.top, std::min(left + width, rect.right),
                    std::min(static_cast<int>(r.bottom), rect.bottom)};
}

std::uint32_t PlatformTickCount() {
    return GetTickCount();
}

std::int64_t PlatformCalendarSecond() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

void PlatformSleep(int milliseconds) {
    Sleep(static_cast<DWORD>(milliseconds));
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    return MessageBoxA(reinterpret_cast<HWND>(MainWindow), text, caption, style);
}

FileWriteResult PlatformWriteTextFile(const char* path, const char* const* pieces, int pieceCount) {
    return WriteTextFileWithStream(path, pieces, pieceCount);
}
