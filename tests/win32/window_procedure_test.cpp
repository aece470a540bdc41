#include "app/win32_shell.h"

#include <gtest/gtest.h>

namespace {

TEST(MainWindowProc, AnswersUnknownCommandsWithZero) {
    EXPECT_EQ(MainWindowProc(nullptr, WM_COMMAND, 12345, 0), 0);
}

} // namespace
