// The accessible screen as the page presents it: its answer field, the live
// region that says the screen, and the results' list are the elements of the
// accessible screen (accessibility/), built from each frame's report, so the page
// says what the exe tells a Windows screen reader.
#pragma once

#include "render/frame_report.h"

// What the page must be told after a frame.
struct PageAccessibilityUpdate {
    bool elements; // an element came or went, or its name, description or place changed
    bool answer;   // the answer field's question or answer changed
};

// Builds the frame's accessible screen and says what the page must be told of it.
PageAccessibilityUpdate TakeAccessibleFrame(const FrameReport& report);

// The answer field's question ("" while the screen asks none) and answer, as last
// taken.
const char* AnswerFieldQuestion();
const char* AnswerFieldAnswer();
