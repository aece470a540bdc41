// A recording stand-in for the platform operations, linked into the native tests.
//
// Every call a screen or the composer makes is appended to Fake.calls with what a
// test needs to check it: the text, rectangle and format of each drawn text, the
// colours and background mode in force, and the height, weight and face of the
// font selected at the time. Fonts are counted so a test can see that every font
// made in a frame was also deleted, and never while still selected.
#pragma once

#include "app/platform.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

enum class FakeCallKind {
    SetBackgroundColor,
    SetBackgroundMode,
    SetTextColor,
    CreateFont,
    SelectFont,
    DeleteFont,
    DrawText,
    MeasureText,
    MessageBox,
    WriteFile,
    Sleep
};

struct FakeCall {
    FakeCallKind kind;
    std::string text;              // drawn or measured text, box text, file path, font face
    std::string caption;           // message box caption
    TextRect rect;                 // where a text was drawn
    unsigned flags;                // text format or message box style
    std::uint32_t textColor;       // in force at a DrawText; the value set by SetTextColor
    std::uint32_t backgroundColor; // in force at a DrawText; the value set
    int backgroundMode;            // in force at a DrawText; the value set
    int fontHeight;                // of the font selected at a DrawText or MeasureText
    int fontWeight;
    std::string fontFace;
    int font;                        // font id created, selected or deleted
    std::vector<std::string> pieces; // the pieces of a written file
};

struct FakeFont {
    int id;
    int height;
    int weight;
    std::string face;
    bool live;
};

struct FakePlatformState {
    std::vector<FakeCall> calls;
    std::vector<FakeFont> fonts; // every font made, by id - FIRST_FONT_ID
    int selectedFont = 0;        // id of the font in the context; 0 is the context's own
    std::uint32_t textColor = 0;
    std::uint32_t backgroundColor = 0xFFFFFF;
    int backgroundMode = BACKGROUND_OPAQUE;
    int pixelsPerInchY = 96;
    int characterWidth = 10; // every character measures this many pixels
    std::uint32_t tick = 0;
    std::int64_t calendarSecond = 0;
    std::uint32_t tickAdvancePerSleep = 10;
    std::deque<int> messageBoxAnswers; // answered in order; then MSGBOX_ANSWER_OK
    bool fileResultScripted = false;   // otherwise files are really written
    FileWriteResult scriptedFileResult = FILE_WRITTEN;
    int fontsDeletedWhileSelected = 0;
};

extern FakePlatformState Fake;

enum { FIRST_FONT_ID = 100 };

// Forgets every call and font and puts the fake's settings back.
void ResetFake();

// A context to hand to the code under test; the fake has only one.
DrawContext FakeDrawContext();

// Fonts made and not yet deleted.
int LiveFontCount();

// A call of the given kind with the colours, mode and font in force.
FakeCall RecordedCall(FakeCallKind kind);

// The recorded calls of one kind, in order.
std::vector<FakeCall> CallsOf(FakeCallKind kind);
