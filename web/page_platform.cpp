// The platform operations other than text, for the browser page: the clocks,
// sleeping, message boxes and writing the results file as a download. The text
// operations come from the portable text renderer.
#include "app/platform.h"

#include "web/page_bridge.h"
#include "web/page_messages.h"

#include <emscripten.h>

#include <ctime>
#include <string>

std::uint32_t PlatformTickCount() {
    // Milliseconds since the page started, wrapping at 2^32 as GetTickCount does.
    return static_cast<std::uint32_t>(static_cast<std::uint64_t>(emscripten_get_now()));
}

std::int64_t PlatformCalendarSecond() {
    return static_cast<std::int64_t>(std::time(nullptr));
}

void PlatformSleep(int) {
    // A page cannot sleep without giving up its turn, and its frame loop waits on
    // the display's refreshes instead, so nothing here asks; should anything ask,
    // it returns at once: holding the thread would freeze the tab.
}

int PlatformMessageBox(const char* text, const char* caption, unsigned style) {
    const int answer = PageMessageBox(text, caption, style);
    ForgetKeysAfterBox();
    return answer;
}

FileWriteResult PlatformWriteTextFile(const char* path, const char* const* pieces, int pieceCount) {
    // The exe writes in text mode, where every line feed is stored as carriage
    // return plus line feed; the download holds exactly those bytes.
    std::string bytes;
    for (int i = 0; i < pieceCount; ++i) {
        for (const char* c = pieces[i]; *c != '\0'; ++c) {
            if (*c == '\n') {
                bytes += '\r';
            }
            bytes += *c;
        }
    }
    // The browser saves it in the player's downloads folder; the page cannot
    // learn whether that worked, so a download handed over counts as written.
    PageDownload(path, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    return FILE_WRITTEN;
}
