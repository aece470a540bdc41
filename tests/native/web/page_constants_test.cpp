// The numbers handed to the page must be the headers' own, under the names the
// page looks them up by.
#include "web/page_constants.h"

#include "app/key_commands.h"
#include "res/resource.h"
#include "app/platform.h"
#include "web/base_layout.h"
#include "web/page_messages.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The number after "name": inside the object that follows "group":, or -1.
long long ValueIn(const std::string& json, const std::string& group, const std::string& name) {
    const std::size_t open = json.find("\"" + group + "\":{");
    if (open == std::string::npos) {
        return -1;
    }
    const std::size_t close = json.find('}', open);
    const std::size_t at = json.find("\"" + name + "\":", open);
    if (at == std::string::npos || at > close) {
        return -1;
    }
    return std::stoll(json.substr(at + name.size() + 3));
}

TEST(PageConstants, HoldTheHeadersValuesUnderThePagesNames) {
    char out[1024];
    const std::size_t length = WritePageConstants(out, sizeof out);
    const std::string json(out);
    ASSERT_EQ(length, json.size());
    const struct {
        const char* group;
        const char* name;
        long long value;
    } expected[] = {
        {"message", "keyDown", MESSAGE_KEYDOWN},
        {"message", "keyUp", MESSAGE_KEYUP},
        {"message", "char", MESSAGE_CHAR},
        {"message", "command", MESSAGE_COMMAND},
        {"key", "back", KEY_BACK},
        {"key", "return", KEY_RETURN},
        {"key", "escape", KEY_ESCAPE},
        {"key", "f1", KEY_F1},
        {"key", "f5", KEY_F5},
        {"key", "f6", KEY_F6},
        {"command", "exit", IDM_FILE_EXIT},
        {"command", "about", IDM_HELP_ABOUT},
        {"messageBox", "typeMask", MSGBOX_TYPE_MASK},
        {"messageBox", "yesNoCancel", MSGBOX_YES_NO_CANCEL},
        {"messageBox", "iconError", MSGBOX_ICON_ERROR},
        {"messageBox", "iconQuestion", MSGBOX_ICON_QUESTION},
        {"messageBox", "iconInformation", MSGBOX_ICON_INFORMATION},
        {"messageBox", "ok", MSGBOX_ANSWER_OK},
        {"messageBox", "cancel", MSGBOX_ANSWER_CANCEL},
        {"messageBox", "yes", MSGBOX_ANSWER_YES},
        {"messageBox", "no", MSGBOX_ANSWER_NO},
        {"baseClient", "width", BASE_CLIENT_WIDTH},
        {"baseClient", "height", BASE_CLIENT_HEIGHT},
    };
    for (const auto& e : expected) {
        EXPECT_EQ(ValueIn(json, e.group, e.name), e.value) << e.group << "." << e.name;
    }
    EXPECT_NE(json.find("\"screenTextSeparator\":\"\\u001f\"}"), std::string::npos) << json;
    EXPECT_EQ(json.front(), '{');

    // A buffer too small gives nothing rather than a cut text the page cannot parse.
    EXPECT_EQ(WritePageConstants(out, length), 0u);
    EXPECT_STREQ(out, "");
    char one[1] = {'x'};
    EXPECT_EQ(WritePageConstants(one, sizeof one), 0u);
    EXPECT_EQ(one[0], '\0');
}

} // namespace
