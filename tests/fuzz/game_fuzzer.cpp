// Plays the portable game from any byte string and checks, after every frame, that
// nothing a player or the system can do breaks it.
//
// The bytes are read as a sequence of events, each an opcode byte followed by its
// arguments: a typed character (any of the 256 codes), the state of the command
// keys (Escape, F5, F6, Ctrl, Alt) with a key-down message, an F1 press, the answer
// the player gives to the next message box (Yes, No, Cancel), a step of the
// millisecond clock (up to several seconds; the clock starts near its 32-bit wrap
// when the input says so), a step of the calendar second, a new client size (empty,
// 1 by 1, the sizes of play, up to 4096 by 4096), the outcome of the next save
// (written, cannot open, fails while writing), and a frame.
//
// The game runs through the recording platform, so every font is counted and no
// file is ever written.
#include "accessibility/accessible_screen.h"
#include "app/game_state.h"
#include "app/key_commands.h"
#include "render/frame_composer.h"
#include "render/text_box.h"
#include "tests/fuzz/game_invariants.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

enum EventKind {
    EVENT_TYPED_CHARACTER,
    EVENT_KEY_STATE,
    EVENT_F1_PRESS,
    EVENT_MESSAGE_BOX_ANSWER,
    EVENT_CLOCK_STEP,
    EVENT_CALENDAR_STEP,
    EVENT_CLIENT_SIZE,
    EVENT_SAVE_OUTCOME,
    EVENT_FRAME,
    EVENT_KIND_COUNT
};

struct ClientSize {
    int width;
    int height;
};

const ClientSize CLIENT_SIZES[] = {
    {0, 0},   {1, 1},   {624, 421},   {640, 480}, {1248, 842}, {312, 210},
    {624, 0}, {0, 421}, {1920, 1080}, {3, 2000},  {2000, 3},
};
const std::size_t CLIENT_SIZE_COUNT = sizeof CLIENT_SIZES / sizeof CLIENT_SIZES[0];

// Reads the input front to back; past its end every read gives zero bytes.
struct EventReader {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t position;

    bool AtEnd() const { return position >= size; }
    std::uint8_t Byte() { return position < size ? data[position++] : 0; }
    std::uint16_t Word() {
        const std::uint16_t low = Byte();
        return static_cast<std::uint16_t>(low | (Byte() << 8));
    }
};

// The first frame is drawn at a size of play and so records the layout's base
// size; the game is then played at 0.3 of it, which scales every layout, keeps
// each input quick under the sanitizers and is still large enough for the text
// boxes to show their caret.
const ClientSize FIRST_FRAME_SIZE = {624, 421};
const ClientSize PLAY_SIZE = {187, 126};

// Pixels one input may draw in all; past it frames fall back to the play size,
// so one of the largest frames fits but not hundreds.
const std::size_t PIXEL_BUDGET = 4096u * 4096u + 4u * 1000u * 1000u;

struct PlayState {
    unsigned char keyboard[256];
    ClientSize client;
    std::size_t pixelsDrawn;
    bool quit;
};

// Runs the key rules on one message as the message pump would.
void Pump(PlayState& play, unsigned message, std::uint64_t wParam) {
    const PumpOutcome outcome = ApplyKeyRules(play.keyboard, message, wParam);
    if (outcome.postDestroy) {
        play.quit = true; // the game ends within the next few messages
    }
}

void SetKeyStates(PlayState& play, std::uint8_t mask) {
    const int keys[] = {KEY_ESCAPE, KEY_F5, KEY_F6, KEY_CONTROL, KEY_ALT};
    for (int i = 0; i < 5; ++i) {
        play.keyboard[keys[i]] = (mask & (1 << i)) ? 0x80 : 0x00;
    }
}

ClientSize ReadClientSize(EventReader& reader) {
    const std::uint8_t choice = reader.Byte();
    if (choice < 0xF0) {
        return CLIENT_SIZES[choice % CLIENT_SIZE_COUNT];
    }
    // Any size at all, up to the largest the game is drawn at (4096 by 4096).
    ClientSize size;
    size.width = reader.Word() % 4097;
    size.height = reader.Word() % 4097;
    return size;
}

std::size_t FrameBytes(const ClientSize& size) {
    return static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height) * 4;
}

// A pixel buffer of exactly the frame's size, so a write past it lands in the
// sanitizer's guard zone. It is left uninitialised, as a fresh DIB section's memory
// may be: the composer writes every colour byte. The two sizes drawn most often keep
// their buffers from frame to frame, which spares the system mapping and clearing
// a megabyte for every input.
unsigned char* FrameBuffer(const ClientSize& size) {
    static std::unique_ptr<unsigned char[]> firstFrame(
        new unsigned char[FrameBytes(FIRST_FRAME_SIZE)]);
    static std::unique_ptr<unsigned char[]> playFrame(new unsigned char[FrameBytes(PLAY_SIZE)]);
    static std::unique_ptr<unsigned char[]> otherFrame;
    if (size.width == FIRST_FRAME_SIZE.width && size.height == FIRST_FRAME_SIZE.height) {
        return firstFrame.get();
    }
    if (size.width == PLAY_SIZE.width && size.height == PLAY_SIZE.height) {
        return playFrame.get();
    }
    otherFrame.reset(new unsigned char[FrameBytes(size)]);
    return otherFrame.get();
}

void DrawFrame(PlayState& play, GameObserver& observer) {
    // The log then holds this frame's calls alone: a quit question asked by the
    // pump between frames is no part of the frame's save.
    Fake.calls.clear();
    observer.BeforeFrame();
    ClientSize size = play.client;
    const std::size_t area =
        static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    if (play.pixelsDrawn + area > PIXEL_BUDGET) {
        size = PLAY_SIZE;
    }
    const bool saveAsked = SaveRequested;
    const bool drawn = HasDrawableArea(size.width, size.height);
    if (drawn) {
        UpdateAccessibleScreen(
            ComposeFrame(FakeDrawContext(), size.width, size.height, FrameBuffer(size)));
        play.pixelsDrawn +=
            static_cast<std::size_t>(size.width) * static_cast<std::size_t>(size.height);
    }
    SaveRequested = false;
    observer.AfterFrame(drawn, saveAsked);
    Fake.calls.clear();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    StartFreshGame();
    ResetFake();
    ResetAccessibleScreen();
    MeasureDrawnTexts(true);        // as for a screen reader, the most the frame does
    Fake.fileResultScripted = true; // never write files while fuzzing
    std::srand(1);

    EventReader reader = {data, size, 0};
    PlayState play;
    std::memset(play.keyboard, 0, sizeof play.keyboard);
    play.client = FIRST_FRAME_SIZE;
    play.pixelsDrawn = 0;
    play.quit = false;

    // The first byte chooses whether the millisecond clock starts just before its wrap.
    Fake.tick = (reader.Byte() & 1) ? 0xFFFFF000u : 1000u;
    Fake.calendarSecond = 1700000000;

    GameObserver observer;
    observer.Start();
    DrawFrame(play, observer);
    play.client = PLAY_SIZE;
    int frames = 1;
    while (!reader.AtEnd() && !play.quit && frames < 400) {
        switch (reader.Byte() % EVENT_KIND_COUNT) {
        case EVENT_TYPED_CHARACTER:
            Pump(play, MESSAGE_CHAR, reader.Byte());
            break;
        case EVENT_KEY_STATE: {
            SetKeyStates(play, reader.Byte());
            const std::uint8_t key = reader.Byte();
            Pump(play, MESSAGE_KEYDOWN, key);
            MoveAccessibleFocus(key); // as the exe's window procedure does
            break;
        }
        case EVENT_F1_PRESS:
            Pump(play, MESSAGE_KEYDOWN, KEY_F1);
            break;
        case EVENT_MESSAGE_BOX_ANSWER: {
            const int answers[] = {MSGBOX_ANSWER_YES, MSGBOX_ANSWER_NO, MSGBOX_ANSWER_CANCEL};
            Fake.messageBoxAnswers.push_back(answers[reader.Byte() % 3]);
            break;
        }
        case EVENT_CLOCK_STEP:
            Fake.tick += reader.Word() % 8000u;
            break;
        case EVENT_CALENDAR_STEP:
            Fake.calendarSecond += reader.Byte() % 4;
            break;
        case EVENT_CLIENT_SIZE:
            play.client = ReadClientSize(reader);
            break;
        case EVENT_SAVE_OUTCOME: {
            const FileWriteResult outcomes[] = {FILE_WRITTEN, FILE_OPEN_FAILED, FILE_WRITE_FAILED};
            Fake.scriptedFileResult = outcomes[reader.Byte() % 3];
            break;
        }
        case EVENT_FRAME:
            DrawFrame(play, observer);
            ++frames;
            break;
        default:
            break;
        }
    }
    // One more frame, so every input ends with the queued keys applied.
    if (!play.quit) {
        DrawFrame(play, observer);
    }
    // LORVAN_FUZZ_TRACE=1 tells how far an input got, for checking the seeds.
    if (std::getenv("LORVAN_FUZZ_TRACE") != nullptr) {
        std::fprintf(stderr, "played %d frames, reached screen %d, quit %d, answers: %s|%s|%s\n",
                     frames, ScreenIndex, play.quit ? 1 : 0, Answers.userName, Answers.dayCount,
                     Answers.wish);
    }
    return 0;
}
