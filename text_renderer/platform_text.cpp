// The text and font operations of app/platform.h on the portable renderer, for
// every target without GDI. A frontend supplies the other operations (clocks,
// sleep, message box, file writing) in its own folder.
#include "app/platform.h"

#include "text_renderer/text_renderer.h"

int PlatformPixelsPerInchY(DrawContext dc) {
    return dc->pixelsPerInch;
}

// Every face is drawn with Liberation Serif, the metric-compatible twin of the
// only face the game asks for, "Times New Roman".
FontHandle PlatformCreateFont(int height, int weight, const char*) {
    return new PlatformFont{height, weight};
}

FontHandle PlatformSelectFont(DrawContext dc, FontHandle font) {
    if (font == nullptr) {
        return nullptr; // as SelectObject fails on a null object, changing nothing
    }
    FontHandle previous = dc->selectedFont != nullptr ? dc->selectedFont : StockFont();
    dc->selectedFont = font == StockFont() ? nullptr : font;
    return previous;
}

void PlatformDeleteFont(FontHandle font) {
    if (font != StockFont()) {
        delete font; // DeleteObject ignores stock objects; so does this
    }
}

void PlatformSetBackgroundColor(DrawContext dc, std::uint32_t colorRef) {
    dc->backgroundColor = colorRef & 0xFFFFFF;
}

void PlatformSetBackgroundMode(DrawContext dc, int mode) {
    if (mode == BACKGROUND_OPAQUE || mode == BACKGROUND_TRANSPARENT) {
        dc->backgroundMode = mode;
    }
}

void PlatformSetTextColor(DrawContext dc, std::uint32_t colorRef) {
    dc->textColor = colorRef & 0xFFFFFF;
}

void PlatformDrawText(DrawContext dc, const char* text, int length, const TextRect& rect,
                      unsigned format) {
    RenderText(*dc, text, length, rect, format);
}

int PlatformMeasureTextWidth(DrawContext dc, const char* text, int length) {
    return MeasureRenderedText(*dc, text, length);
}

TextRect PlatformMeasureText(DrawContext dc, const char* text, int length, const TextRect& rect,
                             unsigned format) {
    return MeasureRenderedTextRect(*dc, text, length, rect, format);
}
