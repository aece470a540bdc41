#include "tests/support/game_texts.h"

#include "render/draw_conventions.h"
#include "render/frame_composer.h"
#include "render/text_box.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"
#include "tests/support/game_player.h"

#include <cstring>

namespace {

enum { BASE_WIDTH = 624, BASE_HEIGHT = 421 };

void Copy(char* to, std::size_t size, const char* from) {
    std::strncpy(to, from, size - 1);
    to[size - 1] = '\0';
}

// The answer a screen's box holds while the player types the longest one.
const char* BoxAnswer(const AnswerSet& answers, int screen) {
    const char* const perScreen[] = {
        answers.userName,       answers.userName,     answers.dayCount,  answers.peopleCount,
        answers.loveName,       answers.noChanceName, answers.caresName, answers.knowsYouName,
        answers.bestFriendName, answers.loveTitle,    answers.lifeTitle, answers.noChanceTitle,
        answers.mindTitle,      answers.wish,
    };
    return screen >= 0 && screen < 14 ? perScreen[screen] : "";
}

} // namespace

AnswerSet LongestAnswers() {
    // In the order the screens ask them, each as long as its screen takes.
    return AnswerSet{"Maximiliana Theodora Worthing!",
                     "20",
                     "19",
                     "Wilhelmina Montgomery-Whitmore",
                     "Bartholomew Fitzwilliam Mowbra",
                     "Maximiliana Theodora Worthing!",
                     "Wilhelmina Montgomery-Whitmore",
                     "Bartholomew Fitzwilliam Mowbra",
                     "The Good, the Bad & the 100% Unbeatables",
                     "Once Upon a Time in the West, Part Three",
                     "Mammoth Warriors of the Midwinter Wastes",
                     "Wuthering Heights: Whispers & Wildmoors!",
                     "I wish for a castle, a pony & 100% sunshine every day!!"};
}

std::vector<GameText> CollectGameTexts(int width, int height) {
    StartFreshGame();
    ResetFake();
    PlayFrame(BASE_WIDTH, BASE_HEIGHT); // records the base layout size
    ShowFpsOverlay = true;

    std::vector<GameText> texts;
    for (int screen = AskName; screen <= ShowResults; ++screen) {
        Answers = LongestAnswers();
        ScreenIndex = screen;
        PlayFrame(width, height); // the screen's own first frame prepares its box
        Copy(TextBoxA.text, sizeof TextBoxA.text, BoxAnswer(Answers, screen));
        Copy(TextBoxB.text, sizeof TextBoxB.text, BoxAnswer(Answers, screen));
        ScreenIndex = screen; // a first frame never moves on, but be sure
        for (const FakeCall& call : PlayFrame(width, height)) {
            if (call.kind != FakeCallKind::DrawText || call.textColor == SHADOW_COLOR ||
                call.text.empty()) {
                continue;
            }
            const bool overlay =
                call.text.compare(0, 7, "Frames ") == 0 || call.text.compare(0, 8, "Current ") == 0;
            if (overlay && screen != AskName) {
                continue; // the overlay is the same on every screen
            }
            texts.push_back(GameText{overlay ? -1 : screen, call.text, call.rect, call.flags,
                                     call.fontHeight, call.fontWeight, call.textColor,
                                     call.backgroundColor, call.backgroundMode});
        }
    }
    StartFreshGame();
    ResetFake();
    return texts;
}
