// The calls into the page's script. Each one only hands its arguments over; the
// page (LorvanPage in lorvan-page.js) does the work.
#include "web/page_bridge.h"

#include <emscripten.h>

namespace {

EM_JS(void, StartPage, (const char* constantsJson),
      { LorvanPage.start(UTF8ToString(constantsJson)); });

// Awaits the page's dialog. Asyncify unwinds the WebAssembly stack while the
// promise is pending and rewinds it with the answer, so the game calls this as
// the synchronous message box it is everywhere else.
EM_ASYNC_JS(int, AwaitPageDialog, (const char* text, const char* caption, unsigned style), {
    return await LorvanPage.showMessageBox(UTF8ToString(text), UTF8ToString(caption), style);
});

EM_JS(void, DownloadFromHeap, (const char* fileName, const unsigned char* bytes, unsigned length),
      { LorvanPage.download(UTF8ToString(fileName), HEAPU8.slice(bytes, bytes + length)); });

EM_JS(void, PresentFromHeap, (const unsigned char* rgba, int width, int height), {
    // A fresh view each frame: growing the memory replaces the heap's buffer.
    LorvanPage.present(HEAPU8.subarray(rgba, rgba + width * height * 4), width, height);
});

EM_JS(void, StartElements, (int focus), { LorvanPage.startElements(focus); });

EM_JS(void, AddElementFromHeap,
      (int role, int parent, const char* name, const char* description, int left, int top,
       int width, int height, int live),
      {
          LorvanPage.addElement({
              role : role,
              parent : parent,
              name : UTF8ToString(name),
              description : UTF8ToString(description),
              bounds : [ left, top, width, height ],
              live : live != 0,
          });
      });

EM_JS(void, EndElements, (), { LorvanPage.endElements(); });

EM_JS(void, SetTitleFromHeap, (const char* title), { LorvanPage.setTitle(UTF8ToString(title)); });

EM_JS(void, SayGameEnded, (), { LorvanPage.gameEnded(); });

EM_JS(void, SetShareableResultsFromHeap, (const char* text, unsigned length),
      { LorvanPage.setShareableResults(UTF8ToString(text, length)); });

EM_JS(void, SetAnswerFieldFromHeap, (const char* question, const char* answer, unsigned length),
      { LorvanPage.setAnswerField(UTF8ToString(question), UTF8ToString(answer, length)); });

} // namespace

void PageStart(const char* constantsJson) {
    StartPage(constantsJson);
}

namespace {
bool BoxOpen = false;
}

int PageMessageBox(const char* text, const char* caption, unsigned style) {
    BoxOpen = true;
    const int answer = AwaitPageDialog(text, caption, style);
    BoxOpen = false;
    return answer;
}

bool PageBoxIsOpen() {
    return BoxOpen;
}

void PageDownload(const char* fileName, const unsigned char* bytes, std::size_t length) {
    DownloadFromHeap(fileName, bytes, static_cast<unsigned>(length));
}

void PagePresent(const unsigned char* rgba, int width, int height) {
    PresentFromHeap(rgba, width, height);
}

void PageSetElements(const AccessibleScreen& screen) {
    StartElements(screen.focus);
    for (int i = 0; i < screen.count; ++i) {
        const AccessibleNode& node = screen.nodes[i];
        AddElementFromHeap(static_cast<int>(node.role), node.parent, AccessibleName(screen, i),
                           AccessibleDescription(screen, i), node.bounds.left, node.bounds.top,
                           node.bounds.width, node.bounds.height, node.live ? 1 : 0);
    }
    EndElements();
}

void PageSetAnswerField(const char* question, const char* answer, std::size_t answerLength) {
    SetAnswerFieldFromHeap(question, answer, static_cast<unsigned>(answerLength));
}

void PageSetTitle(const char* title) {
    SetTitleFromHeap(title);
}

void PageGameEnded() {
    SayGameEnded();
}

void PageSetShareableResults(const char* text, std::size_t length) {
    SetShareableResultsFromHeap(text, static_cast<unsigned>(length));
}
