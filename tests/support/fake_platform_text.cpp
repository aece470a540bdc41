// The text and font operations of the recording fake. The game test that draws
// with real glyphs links the portable renderer's instead, beside the rest of the
// fake (fake_platform.cpp).
#include "tests/support/fake_platform.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

int FontId(FontHandle font) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(font));
}

FontHandle FontHandleOf(int id) {
    return reinterpret_cast<FontHandle>(static_cast<std::uintptr_t>(id));
}

} // namespace

int PlatformPixelsPerInchY(DrawContext) {
    return Fake.pixelsPerInchY;
}

FontHandle PlatformCreateFont(int height, int weight, const char* face) {
    const int id = FIRST_FONT_ID + static_cast<int>(Fake.fonts.size());
    Fake.fonts.push_back(FakeFont{id, height, weight, face, true});
    FakeCall call = RecordedCall(FakeCallKind::CreateFont);
    call.font = id;
    call.fontHeight = height;
    call.fontWeight = weight;
    call.fontFace = face;
    call.text = face;
    Fake.calls.push_back(call);
    return FontHandleOf(id);
}

FontHandle PlatformSelectFont(DrawContext, FontHandle font) {
    const int previous = Fake.selectedFont;
    Fake.selectedFont = FontId(font);
    FakeCall call = RecordedCall(FakeCallKind::SelectFont);
    call.font = Fake.selectedFont;
    Fake.calls.push_back(call);
    return FontHandleOf(previous);
}

void PlatformDeleteFont(FontHandle font) {
    const int id = FontId(font);
    FakeCall call = RecordedCall(FakeCallKind::DeleteFont);
    call.font = id;
    Fake.calls.push_back(call);
    if (id == Fake.selectedFont) {
        ++Fake.fontsDeletedWhileSelected;
    }
    if (id >= FIRST_FONT_ID && id - FIRST_FONT_ID < static_cast<int>(Fake.fonts.size())) {
        Fake.fonts[static_cast<std::size_t>(id - FIRST_FONT_ID)].live = false;
    }
}

void PlatformSetBackgroundColor(DrawContext, std::uint32_t colorRef) {
    Fake.backgroundColor = colorRef;
    Fake.calls.push_back(RecordedCall(FakeCallKind::SetBackgroundColor));
}

void PlatformSetBackgroundMode(DrawContext, int mode) {
    Fake.backgroundMode = mode;
    Fake.calls.push_back(RecordedCall(FakeCallKind::SetBackgroundMode));
}

void PlatformSetTextColor(DrawContext, std::uint32_t colorRef) {
    Fake.textColor = colorRef;
    Fake.calls.push_back(RecordedCall(FakeCallKind::SetTextColor));
}

void PlatformDrawText(DrawContext, const char* text, int length, const TextRect& rect,
                      unsigned format) {
    FakeCall call = RecordedCall(FakeCallKind::DrawText);
    call.text.assign(text, static_cast<std::size_t>(length));
    call.rect = rect;
    call.flags = format;
    Fake.calls.push_back(call);
}

int PlatformMeasureTextWidth(DrawContext, const char* text, int length) {
    FakeCall call = RecordedCall(FakeCallKind::MeasureText);
    call.text.assign(text, static_cast<std::size_t>(length));
    Fake.calls.push_back(call);
    return length * Fake.characterWidth;
}

// Not recorded: a text is measured only for a reader, never for its pixels. Every
// character is characterWidth across and every line the selected font's height
// down, with no word wrapping.
TextRect PlatformMeasureText(DrawContext, const char* text, int length, const TextRect& rect,
                             unsigned format) {
    const int lineHeight = std::abs(RecordedCall(FakeCallKind::MeasureText).fontHeight);
    int lines = length > 0 ? 1 : 0;
    int widest = 0;
    for (int i = 0, run = 0; i < length; ++i) {
        run = text[i] == '\n' ? 0 : run + 1;
        lines += text[i] == '\n' ? 1 : 0;
        widest = std::max(widest, run * Fake.characterWidth);
    }
    const int left =
        (format & TEXT_CENTER) != 0 ? rect.left + (rect.right - rect.left - widest) / 2 : rect.left;
    return TextRect{std::max(left, rect.left), rect.top, std::min(left + widest, rect.right),
                    std::min(rect.top + lines * lineHeight, rect.bottom)};
}
