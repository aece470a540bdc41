// The game window's UI Automation provider, as the window procedure and the
// frame's presentation use it. Nothing of it runs until a client (a screen reader)
// asks for the window's elements: from then on the accessible screen follows
// every frame, and the reader is told what changed.
#pragma once

#include "render/frame_report.h"

#include <windows.h>

class UiaElement;

// WM_GETOBJECT: true, with the answer, for UI Automation's request (UiaRootObjectId)
// and, once a reader has asked, for OBJID_CLIENT where Windows answers it; false
// to leave the message to DefWindowProcA, as always without uiautomationcore.dll.
bool AnswerAccessibilityRequest(HWND window, WPARAM wParam, LPARAM lParam, LRESULT* answer);

// After each frame drawn: the accessible screen follows it and the reader hears
// what changed (uia_events.cpp). Nothing while no reader has asked.
void TellReadersOfFrame(const FrameReport& report);

// WM_KEYDOWN: the arrow keys, Home and End move the reader's focus through the
// results (uia_events.cpp).
void TellReadersOfKey(WPARAM key);

// WM_DESTROY: the reader lets go of the window's elements; the frames go back to
// costing nothing.
void DisconnectReaders(HWND window);

// The root of the window's elements once a reader has asked; null before. The
// game's thread alone asks.
UiaElement* ServedRoot();

// Held while the accessible screen is read or changed. UI Automation calls the
// elements on threads of its own (Wine 8.0 on its RPC threads, beside the game's
// frames), so a reader never sees a screen half built. Nothing that waits for
// the game's thread, or calls into UI Automation, runs while it is held.
class ReaderLock {
  public:
    ReaderLock();
    ~ReaderLock();
    ReaderLock(const ReaderLock&) = delete;
    ReaderLock& operator=(const ReaderLock&) = delete;
};
