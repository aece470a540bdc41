#include "web/page_pump.h"

#include "web/page_messages.h"
#include "web/page_window.h"

bool PumpPageMessage() {
    RemovedPageMessage removed;
    if (!RemovePageMessage(removed)) {
        return false;
    }
    PageWindowProc(removed.message, removed.wParam);
    return removed.isQuit;
}
