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

TEST(TrimToDirectory, NeverReadsOrWritesPastTheCapacity) {
    // A path that fills the whole buffer without a terminator (as a truncating
    // module path call may leave it) is cut inside the buffer.
    char buffer[8];
    std::memcpy(buffer, "ab\\cdefg", 8);
    TrimToDirectory(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "ab\\");

    std::memcpy(buffer, "abcdefgh", 8);
    TrimToDirectory(buffer, sizeof buffer);
    EXPECT_EQ(std::string(buffer, 8), "abcdefgh");
}

} // namespace
