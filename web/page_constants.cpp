#include "web/page_constants.h"

#include "accessibility/accessible_screen.h"
#include "app/key_commands.h"
#include "app/window_messages.h"
#include "app/platform.h"
#include "web/base_layout.h"
#include "res/resource.h"
#include "web/page_messages.h"

#include <cstdio>

std::size_t WritePageConstants(char* out, std::size_t size) {
    // The keys of the text are the page's names for these values; only the
    // values come from here. Only the keys the page posts itself are here: F5 and
    // F6 reach the game with the browser's own key codes.
    const int written = std::snprintf(
        out, size,
        "{\"message\":{\"keyDown\":%u,\"keyUp\":%u,\"char\":%u,\"command\":%u},"
        "\"key\":{\"back\":%d,\"return\":%d,\"escape\":%d,\"f1\":%d},"
        "\"command\":{\"exit\":%d,\"about\":%d},"
        "\"messageBox\":{\"typeMask\":%u,\"yesNoCancel\":%u,\"iconError\":%u,"
        "\"iconQuestion\":%u,\"iconInformation\":%u,\"ok\":%d,\"cancel\":%d,\"yes\":%d,"
        "\"no\":%d},"
        "\"baseClient\":{\"width\":%d,\"height\":%d},"
        "\"role\":{\"text\":%d,\"edit\":%d,\"list\":%d,\"listItem\":%d}}",
        MESSAGE_KEYDOWN, MESSAGE_KEYUP, MESSAGE_CHAR, MESSAGE_COMMAND, KEY_BACK, KEY_RETURN,
        KEY_ESCAPE, KEY_F1, IDM_FILE_EXIT, IDM_HELP_ABOUT, MSGBOX_TYPE_MASK, MSGBOX_YES_NO_CANCEL,
        MSGBOX_ICON_ERROR, MSGBOX_ICON_QUESTION, MSGBOX_ICON_INFORMATION, MSGBOX_ANSWER_OK,
        MSGBOX_ANSWER_CANCEL, MSGBOX_ANSWER_YES, MSGBOX_ANSWER_NO, BASE_CLIENT_WIDTH,
        BASE_CLIENT_HEIGHT, static_cast<int>(AccessibleRole::Text),
        static_cast<int>(AccessibleRole::Edit), static_cast<int>(AccessibleRole::List),
        static_cast<int>(AccessibleRole::ListItem));
    if (written < 0 || static_cast<std::size_t>(written) >= size) {
        if (size > 0) {
            out[0] = '\0';
        }
        return 0;
    }
    return static_cast<std::size_t>(written);
}
