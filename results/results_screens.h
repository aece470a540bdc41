// The last two screens: the thinking animation (14) and the results (15).
#pragma once

#include "render/screen_routine.h"

ScreenRoutineType RenderThinkingScreen;
ScreenRoutineType RenderResultsScreen;
