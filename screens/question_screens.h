// The question screens, 0 to 13, each drawn by its routine.
#pragma once

#include "render/screen_routine.h"

ScreenRoutineType RenderNameScreen;         // 0
ScreenRoutineType RenderIntroScreen;        // 1
ScreenRoutineType RenderNumberScreen;       // 2 and 3
ScreenRoutineType RenderOppositeNameScreen; // 4 and 5
ScreenRoutineType RenderFriendNameScreen;   // 6 to 8
ScreenRoutineType RenderTitleWishScreen;    // 9 to 13
