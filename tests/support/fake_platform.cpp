#include "tests/support/fake_platform.h"

#include "app/text_file.h"

#include <cstdint>

FakePlatformState Fake;

namespace {

char fakeContext;

FakeCall Blank(FakeCallKind kind) {
    FakeCall call;
    call.kind = kind;
    call.rect = TextRect{0, 0, 0, 0};
    call.flags = 0;
    call.textColor = Fake.textColor;
    call.backgroundColor = Fake.backgroundColor;
    call.backgroundMode = Fake.backgroundMode;
    call.fontHeight = 0;
    call.fontWeight = 0;
    call.font = Fake.selectedFont;
    if (Fake.selectedFont >= FIRST_FONT_ID) {
        const FakeFont& font = Fake.fonts[static_cast<std::size_t>(Fake.selectedFont - FIRST_FONT_ID)];
        call.fontHeight = font.height;
        call.fontWeight = font.weight;
        call.fontFace = font.face;
    }
    return call;
}

int FontId(FontHandle font) {
    return static_cast<int>(reinterpret_cast<std::uintptr_t>(font));
}

FontHandle FontHandleOf(int id) {
    return reinterpret_cast<FontHandle>(static_cast<std::uintptr_t>(id));
}

} // namespace

void ResetFake() {
    Fake = FakePlatformState();
}

DrawContext FakeDrawContext() {
    return reinterpret_cast<DrawContext>(&fakeContext);
}

int LiveFontCount() {
    int live = 0;
    for (const FakeFont& font : Fake.fonts) {
        live += font.live ? 1 : 0;
    }
    return live;
}

std::vector<FakeCall> CallsOf(FakeCallKind kind) {
    std::vector<FakeCall> matching;
    for (const FakeCall& call : Fake.calls) {
        if (call.kind == kind) {
            matching.push_back(call);
        }
    }
    return matching;
}

int PlatformPixelsPerInchY(DrawContext) {
    return Fake.pixelsPerInchY;
}

FontHandle PlatformCreateFont(int height, int weight, const char* face) {
    const int id = FIRST_FONT_ID + static_cast<int>(Fake.fonts.size());
    Fake.fonts.push_back(FakeFont{id, height, weight, face, true});
    FakeCall call = Blank(FakeCallKind::CreateFont);
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
    FakeCall call = Blank(FakeCallKind::SelectFont);
    call.font = Fake.selectedFont;
    Fake.calls.push_back(call);
    return FontHandleOf(previous);
}

void PlatformDeleteFont(FontHandle font) {
    const int id = FontId(font);
    FakeCall call = Blank(FakeCallKind::DeleteFont);
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
    Fake.calls.push_back(Blank(FakeCallKind::SetBackgroundColor));
}

void PlatformSetBackgroundMode(DrawContext, int mode) {
    Fake.backgroundMode = mode;
    Fake.calls.push_back(Blank(FakeCallKind::SetBackgroundMode));
}

void PlatformSetTextColor(DrawContext, std::uint32_t colorRef) {
    Fake.textColor = colorRef;
    Fake.calls.push_back(Blank(FakeCallKind::SetTextColor));
}

void PlatformDrawText(DrawContext, const char* text, int length, const TextRect& rect,
                      unsigned format) {
    FakeCall call = Blank(FakeCallKind::DrawText);
    call.text.assign(text, static_cast<std::size_t>(length));
    call.rect = rect;
    call.flags = format;
    Fake.calls.push_back(call);
}

int PlatformMeasureTextWidth(DrawContext, const char* text, int length) {
    FakeCall call = Blank(FakeCallKind::MeasureText);
    call.text.assign(text, static_cast<std::size_t>(length));
    Fake.calls.push_back(call);
    return length * Fake.characterWidth;
}

std::uint32_t PlatformTickCount() {
    return Fake.tick;
}

std::int64_t PlatformCalendarSecond() {
    return Fake.calendarSecond;
}

void PlatformSleep(int milliseconds) {
    FakeCall call = Blank(FakeCallKind::Sleep);
    call.flags = static_cast<unsigned>(milliseconds);
    Fake.calls.push_back(call);
    Fake.tick += Fake.tickAdvancePerSleep;
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    FakeCall call = Blank(FakeCallKind::MessageBox);
    call.text = text;
    call.caption = caption;
    call.flags = style;
    Fake.calls.push_back(call);
    if (Fake.messageBoxAnswers.empty()) {
        return MESSAGE_ANSWER_OK;
    }
    const int answer = Fake.messageBoxAnswers.front();
    Fake.messageBoxAnswers.pop_front();
    return answer;
}

FileWriteResult PlatformWriteTextFile(const char* path, const char* const* pieces, int pieceCount) {
    FakeCall call = Blank(FakeCallKind::WriteFile);
    call.text = path;
    for (int i = 0; i < pieceCount; ++i) {
        call.pieces.emplace_back(pieces[i]);
    }
    Fake.calls.push_back(call);
    if (Fake.fileResultScripted) {
        return Fake.scriptedFileResult;
    }
    return WriteTextFileWithStream(path, pieces, pieceCount);
}
