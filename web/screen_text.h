// The texts of the current screen, as the frame reported them, for the page's live
// region (what a screen reader reads out), and the question with the answer being
// typed, for the page's answer field.
#pragma once

#include "render/frame_report.h"

#include <cstddef>

// Takes a frame's texts. Returns true when they differ from the last frame's: only
// then is the live region given them, so a screen reader is not interrupted by
// every frame drawn.
bool TakeScreenText(const FrameReport& report);

// The texts last taken, separated by SCREEN_TEXT_SEPARATOR.
const char* ScreenText();
std::size_t ScreenTextLength();

// Takes a frame's question and answer. Returns true when either differs from the
// last frame's: only then is the answer field given them.
bool TakeAnswerField(const FrameReport& report);

// The question last taken ("" while the screen asks none) and its answer.
const char* FieldQuestion();
const char* FieldAnswer();
std::size_t FieldAnswerLength();
