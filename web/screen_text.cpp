#include "web/screen_text.h"

#include <string>

namespace {

std::string Shown;

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
