#include "tests/support/fake_platform.h"

#include "app/text_file.h"

#include <cstdint>

FakePlatformState Fake;

namespace {

char fakeContext;

} // namespace

FakeCall RecordedCall(FakeCallKind kind) {
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
        const FakeFont& font =
            Fake.fonts[static_cast<std::size_t>(Fake.selectedFont - FIRST_FONT_ID)];
        call.fontHeight = font.height;
        call.fontWeight = font.weight;
        call.fontFace = font.face;
    }
    return call;
}

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

std::uint32_t PlatformTickCount() {
    return Fake.tick;
}

std::int64_t PlatformCalendarSecond() {
    return Fake.calendarSecond;
}

void PlatformSleep(int milliseconds) {
    FakeCall call = RecordedCall(FakeCallKind::Sleep);
    call.flags = static_cast<unsigned>(milliseconds);
    Fake.calls.push_back(call);
    Fake.tick += Fake.tickAdvancePerSleep;
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    FakeCall call = RecordedCall(FakeCallKind::MessageBox);
    call.text = text;
    call.caption = caption;
    call.flags = style;
    Fake.calls.push_back(call);
    if (Fake.messageBoxAnswers.empty()) {
        return MSGBOX_ANSWER_OK;
    }
    const int answer = Fake.messageBoxAnswers.front();
    Fake.messageBoxAnswers.pop_front();
    return answer;
}

FileWriteResult PlatformWriteTextFile(const char* path, const char* const* pieces, int pieceCount) {
    FakeCall call = RecordedCall(FakeCallKind::WriteFile);
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
