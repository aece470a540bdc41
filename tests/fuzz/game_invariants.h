// What must hold after every frame, whatever the player typed and whatever the
// system did. A broken invariant aborts, which the fuzzer reports as a crash with
// the input that caused it.
#pragma once

#include "app/game_state.h"

struct GameObserver {
    int screenBefore;
    AnswerSet answersBefore;

    // Call once at the start of a game.
    void Start();
    void BeforeFrame();
    // Checks every invariant after the frame. drawn: the frame had pixels to draw
    // into; saveAsked: F1 had been pressed for this frame.
    void AfterFrame(bool drawn, bool saveAsked);
};
