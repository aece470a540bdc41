#include "web/screen_text.h"

#include "render/frame_composer.h"

#include <string>

namespace {

std::string Gathering;
std::string LastText; // the latest text noted this frame, to skip its shadow's twin
std::string Shown;

} // namespace

void BeginScreenText() {
    Gathering.clear();
    LastText.clear();
}

void NoteDrawnText(const char* text, int length) {
    // The overlay's counts change every frame and are no part of the screen.
    if (text == nullptr || length <= 0 || FrameComposer.drawingOverlay) {
        return;
    }
    std::string drawn(text, static_cast<std::size_t>(length));
    if (drawn == LastText) {
        return;
    }
    if (!Gathering.empty()) {
        Gathering += SCREEN_TEXT_SEPARATOR;
    }
    Gathering += drawn;
    LastText = std::move(drawn);
}

bool FinishScreenText() {
    if (Gathering == Shown) {
        return false;
    }
    Shown.swap(Gathering);
    return true;
}

const char* ScreenText() {
    return Shown.c_str();
}

std::size_t ScreenTextLength() {
    return Shown.size();
}
