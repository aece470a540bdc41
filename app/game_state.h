// The game's process-wide state.
//
// The whole game lives in these variables for the whole run, on the program's one
// thread: the settings and the screens' own state, the queue of typed characters,
// the current screen, the base layout size and the player's answers. Screens read
// and write them directly. Each type's default member values are the values the
// game starts with, so the variables are constant-initialised before WinMain runs
// and a test can start a fresh game by assigning a default-constructed value.
#pragma once

#include <cstddef>

// The game's settings and the small state its screens keep across frames: the
// names and links fixed in the program, the frame-rate cap that F6 switches, the
// window's first size, the composer's and the screens' first-frame flags, the
// thinking message's bounce and the carets' blink phase.
struct AppSettingsBlock {
    char windowClassName[17] = "LorvanMainWindow";
    char resultsFilePrefix[15] = "LorvanResults_";
    int frameRateCap = 30; // F6 switches between 30 and UNCAPPED_FRAME_RATE
    int windowWidth = 640; // outer size of the window at creation
    int windowHeight = 480;
    char downloadLink[64] = "lorvan.example/products/lorvan/lorvan_latest.zip";
    char productPageLink[44] = "lorvan.example/products/lorvan/lorvan.shtml";
    bool recordBaseSize = true; // the composer records the base layout size while set
    bool nameScreenFirstFrame = true;
    bool numberScreensFirstFrame = true;
    bool oppositeNameScreensFirstFrame = true;
    bool friendScreensFirstFrame = true;
    bool titleScreensFirstFrame = true;
    int thinkingTextY = 80;    // top of the bouncing message, base units
    int thinkingTextStep = 10; // its movement per frame; the sign flips at the bounds
    bool caretVisible = true;  // the text boxes' shared caret blink phase
};

enum { STANDARD_FRAME_RATE = 30, UNCAPPED_FRAME_RATE = 3000000 };

// The screens in the order the game shows them.
enum GameScreen : int {
    AskName = 0,
    Introduction = 1,
    AskFirstNumber = 2,
    AskSecondNumber = 3,
    AskLoveName = 4,
    AskNoChanceName = 5,
    AskFriendName1 = 6,
    AskFriendName2 = 7,
    AskFriendName3 = 8,
    AskTitle1 = 9,
    AskTitle2 = 10,
    AskTitle3 = 11,
    AskTitle4 = 12,
    AskWish = 13,
    Thinking = 14,
    ShowResults = 15
};

// The player's answers, named by their meaning in the results. Each is written
// once, by the screen that asks for it, and every array is larger than the
// longest text its screen accepts.
struct AnswerSet {
    char userName[192] = "";
    char dayCount[46] = "";    // the first number (screen 2)
    char peopleCount[50] = ""; // the second number (screen 3)
    char loveName[192] = "";
    char noChanceName[192] = "";
    char caresName[192] = "";
    char knowsYouName[192] = "";
    char bestFriendName[192] = "";
    char loveTitle[192] = "";
    char lifeTitle[192] = "";
    char noChanceTitle[192] = "";
    char mindTitle[192] = "";
    char wish[512] = "";
};

// The longest answer each kind of question accepts.
enum {
    NAME_LENGTH_LIMIT = 30,
    NUMBER_LENGTH_LIMIT = 2,
    TITLE_LENGTH_LIMIT = 40,
    WISH_LENGTH_LIMIT = 55
};

enum { KEY_BUFFER_SIZE = 128, EXE_DIRECTORY_SIZE = 260 };

// An opaque window handle, so that portable code can hold the main window.
struct PlatformWindow;

extern AppSettingsBlock AppSettings;
extern char KeyBuffer[KEY_BUFFER_SIZE]; // typed characters waiting for the screens
extern int ScreenIndex;                 // a GameScreen value; only ever rises by one
extern AnswerSet Answers;
extern int BaseClientWidth; // client size of the first drawn frame: the layout's base units
extern int BaseClientHeight;
extern char ExeDirectory[EXE_DIRECTORY_SIZE]; // folder of the executable, separator included
extern bool ShowFpsOverlay;
extern bool SaveRequested;
extern PlatformWindow* MainWindow;
