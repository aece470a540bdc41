#include "web/screen_text.h"

#include <string>

namespace {

std::string Shown;
std::string Question;
std::string Answer;

} // namespace

bool TakeScreenText(const FrameReport& report) {
    if (Shown.compare(0, std::string::npos, report.texts, report.textsLength) == 0) {
        return false;
    }
    Shown.assign(report.texts, report.textsLength);
    return true;
}

const char* ScreenText() {
    return Shown.c_str();
}

std::size_t ScreenTextLength() {
    return Shown.size();
}

bool TakeAnswerField(const FrameReport& report) {
    const char* question = report.question != nullptr ? report.question : "";
    if (Question == question &&
        Answer.compare(0, std::string::npos, report.answer, report.answerLength) == 0) {
        return false;
    }
    Question = question;
    Answer.assign(report.answer, report.answerLength);
    return true;
}

const char* FieldQuestion() {
    return Question.c_str();
}

const char* FieldAnswer() {
    return Answer.c_str();
}

std::size_t FieldAnswerLength() {
    return Answer.size();
}
