// The page's message pump: the one place that takes the page's messages off its
// queue and hands them to its window procedure, as the exe's pump takes the
// window's messages and dispatches them. The queue and the window procedure
// know nothing of each other; the window procedure posts into the queue.
#pragma once

// Removes at most one message, applying the game's key rules (page_messages.h),
// then hands it to the window procedure (page_window.h). Returns true when it was
// the quit message.
bool PumpPageMessage();
