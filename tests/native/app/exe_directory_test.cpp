#include "app/exe_directory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(TrimToDirectory, CutsAfterTheLastSeparatorOfEitherKind) {
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"D:\\Games\\prog.exe", "D:\\Games\\"},
        {"D:/a\\b/prog.exe", "D:/a\\b/"},
        {"D:\\a/b\\prog.exe", "D:\\a/b\\"},
        {"/usr/games/prog.exe", "/usr/games/"},
        {"\\prog.exe", "\\"},
        {"D:\\Games\\", "D:\\Games\\"}, // already a folder
        {"prog.exe", "prog.exe"},       // no separator: left whole
        {"", ""},
    };
    for (const Case& c : cases) {
        char buffer[260] = {};
        std::strcpy(buffer, c.path);
        TrimToDirectory(buffer, sizeof buffer);
        EXPECT_STREQ(buffer, c.expected) << c.path;
    }
}

TEST(TrimToDirectory, LeavesTheBytesAfterAnUntouchedPathAlone) {
    char buffer[16];
    std::memset(buffer, 'z', sizeof buffer);
    std::memcpy(buffer, "prog.exe", 9);
    TrimToDirectory(buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, sizeof buffer), std::string("prog.exe\0zzzzzzz", 16));
}

TEST(TrimToDirectory, EndsInsideTheBufferWhenThePathFillsItUnterminated) {
    // As a truncating module path call may leave it: the path is read as its
    // first capacity - 1 characters, then cut after the last separator there.
    struct Case {
        const char* bytes; // exactly 8, no terminator
        const char* expected;
    } cases[] = {
        {"ab\\cdefg", "ab\\"},    // the last character lost: only a file name's
        {"abcdefgh", "abcdefg"},  // no separator
        {"a\\cdefg\\", "a\\"},    // the separator in the last byte is cut off with it
        {"abcdefg\\", "abcdefg"}, // ... and it was the only one
        {"abcdef\\h", "abcdef\\"},
    };
    for (const Case& c : cases) {
        char buffer[8];
        std::memcpy(buffer, c.bytes, sizeof buffer);
        TrimToDirectory(buffer, sizeof buffer);
        ASSERT_NE(std::memchr(buffer, '\0', sizeof buffer), nullptr) << c.bytes;
        EXPECT_STREQ(buffer, c.expected) << c.bytes;
    }
}

} // namespace
