// The texts the real screens draw, collected through the recording platform: the
// prompt of every screen with the longest answer in its box, the introduction,
// the thinking message, the results with the longest answers the boxes take, and
// the frame-rate overlay. The GDI comparison and the text benchmark draw these.
#pragma once

#include "app/game_state.h"
#include "app/platform.h"

#include <cstdint>
#include <string>
#include <vector>

// One PlatformDrawText call as a screen made it.
struct GameText {
    int screen; // ScreenIndex, or -1 for the overlay
    std::string text;
    TextRect rect;
    unsigned format;
    int fontHeight;
    int fontWeight;
    std::uint32_t textColor;
    std::uint32_t backgroundColor;
    int backgroundMode;
};

// Answers as long as each box takes them, in words a player would type.
AnswerSet LongestAnswers();

// Every text the screens 0 to 15 and the overlay draw in a client area of width by
// height, after a first frame at 624 by 421 set the base layout size. The shadow
// copies are left out: they are the same texts one offset away. Plays a fresh
// game through the recording platform.
std::vector<GameText> CollectGameTexts(int width, int height);
