// Plays the game through the frame composer into a back buffer, with the recording
// fake platform standing in for GDI: frames, typing, and the texts a frame drew.
#pragma once

#include "app/game_state.h"
#include "render/frame_composer.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <cstring>
#include <vector>

// Draws one frame at the given client size and returns its recorded calls.
inline std::vector<FakeCall> PlayFrame(int width, int height) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) *
                                      static_cast<std::size_t>(height) * 4);
    Fake.calls.clear();
    ComposeFrame(FakeDrawContext(), width, height, pixels.data());
    return Fake.calls;
}

// Queues typed characters behind those already waiting, as the message pump does;
// what does not fit is dropped, as there.
inline void Type(const char* characters) {
    const std::size_t used = std::strlen(KeyBuffer);
    std::strncat(KeyBuffer, characters, sizeof KeyBuffer - used - 1);
}

inline std::vector<FakeCall> DrawnTexts(const std::vector<FakeCall>& calls) {
    std::vector<FakeCall> texts;
    for (const FakeCall& call : calls) {
        if (call.kind == FakeCallKind::DrawText) {
            texts.push_back(call);
        }
    }
    return texts;
}
