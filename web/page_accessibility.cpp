#include "web/page_accessibility.h"

#include "accessibility/accessible_screen.h"

#include <cstring>

namespace {

// What the page was last told of the answer field.
char ToldQuestion[FRAME_TEXTS_SIZE];
char ToldAnswer[FRAME_ANSWER_SIZE];

bool SameNode(const AccessibleScreen& a, const AccessibleScreen& b, int node) {
    return a.nodes[node].bounds == b.nodes[node].bounds &&
           std::strcmp(AccessibleName(a, node), AccessibleName(b, node)) == 0 &&
           std::strcmp(AccessibleDescription(a, node), AccessibleDescription(b, node)) == 0;
}

const char* QuestionOf(const AccessibleScreen& screen) {
    return screen.edit >= 0 ? AccessibleName(screen, screen.edit) : "";
}

// Copies text into a buffer of size bytes, cut and terminated; true when it differed.
bool Keep(char* kept, std::size_t size, const char* text) {
    if (std::strncmp(kept, text, size - 1) == 0) {
        return false;
    }
    std::strncpy(kept, text, size - 1);
    kept[size - 1] = '\0';
    return true;
}

} // namespace

PageAccessibilityUpdate TakeAccessibleFrame(const FrameReport& report) {
    const AccessibleChanges changes = UpdateAccessibleScreen(report);
    const AccessibleScreen& now = CurrentAccessibleScreen();
    const AccessibleScreen& before = PreviousAccessibleScreen();
    PageAccessibilityUpdate update = {changes.elements || changes.focus, false};
    for (int i = 0; i < now.count && !update.elements; ++i) {
        update.elements = !SameNode(now, before, i);
    }
    const bool question = Keep(ToldQuestion, sizeof ToldQuestion, QuestionOf(now));
    const bool answer = Keep(ToldAnswer, sizeof ToldAnswer, now.value);
    update.answer = question || answer;
    return update;
}

const char* AnswerFieldQuestion() {
    return ToldQuestion;
}

const char* AnswerFieldAnswer() {
    return ToldAnswer;
}
