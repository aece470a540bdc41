// The page's window procedure: what the game window does with a message the
// page's pump removed, as the exe's window procedure does with it.
#pragma once

void PageWindowProc(unsigned message, unsigned wParam);
