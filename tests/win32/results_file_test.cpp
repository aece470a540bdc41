// The results file as Windows really writes it: text mode turns every line feed
// into carriage return plus line feed on disk, and the player is told the full path.
#include "app/game_state.h"
#include "results/results_file.h"
#include "results/results_text.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

// What the message box the save showed said; filled by the hook, which closes it.
struct SeenBox {
    int count = 0;
    std::string caption;
    std::string text;
};
SeenBox Seen;

LRESULT CALLBACK CloseMessageBoxes(int code, WPARAM wParam, LPARAM lParam) {
    HWND box = reinterpret_cast<HWND>(wParam);
    char className[64] = "";
    // Wine may report the activation of another program's window to this thread's
    // hook; only this test's own boxes are read and closed.
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    if (code == HCBT_ACTIVATE && owner == GetCurrentProcessId() &&
        GetClassNameA(box, className, sizeof className) > 0 &&
        std::strcmp(className, "#32770") == 0) { // the dialog class message boxes use
        char buffer[1024] = "";
        GetWindowTextA(box, buffer, sizeof buffer);
        Seen.caption = buffer;
        buffer[0] = '\0';
        GetDlgItemTextA(box, 0xFFFF, buffer, sizeof buffer); // the box's static text
        Seen.text = buffer;
        ++Seen.count;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

class ResultsFileOnWindows : public ::testing::Test {
  protected:
    void SetUp() override {
        Seen = SeenBox();
        hook = SetWindowsHookExA(WH_CBT, CloseMessageBoxes, nullptr, GetCurrentThreadId());
        ASSERT_NE(hook, nullptr);

        char temp[MAX_PATH] = "";
        ASSERT_NE(GetTempPathA(sizeof temp, temp), 0u);
        // CTest runs the tests side by side, each in its own process and folder.
        directory = std::string(temp) + "lorvan-results-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name() + "-" +
                    std::to_string(GetCurrentProcessId()) + "\\";
        CreateDirectoryA(directory.c_str(), nullptr);
        std::snprintf(ExeDirectory, sizeof ExeDirectory, "%s", directory.c_str());
        Answers = AnswerSet();
        std::strcpy(Answers.userName, "Who?");
        std::strcpy(Answers.wish, "a boat");
        ComposeResultsText(Answers, ResultsText, sizeof ResultsText);
    }
    void TearDown() override {
        UnhookWindowsHookEx(hook);
        DeleteFileA((directory + "LorvanResults_Who_.txt").c_str());
        RemoveDirectoryA((directory + "LorvanResults_Who_.txt").c_str());
        RemoveDirectoryA(directory.c_str());
    }

    HHOOK hook = nullptr;
    std::string directory;
};

std::string ReadBytes(const std::string& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string WithWindowsLineEnds(const std::string& text) {
    std::string converted;
    for (char c : text) {
        if (c == '\n') {
            converted += '\r';
        }
        converted += c;
    }
    return converted;
}

TEST_F(ResultsFileOnWindows, StoresEveryLineFeedAsCarriageReturnLineFeed) {
    SaveResultsFile(ResultsText);

    const std::string written = std::string("Lorvan.exe (version 2.0) results for user: Who?") +
                                "\n\n\n" + ResultsText + "\n\n\n" +
                                "Download Lorvan the word game at:\n" + AppSettings.downloadLink +
                                "\n\n" + "Website: " + AppSettings.productPageLink;
    const std::string bytes = ReadBytes(directory + "LorvanResults_Who_.txt");
    EXPECT_EQ(bytes, WithWindowsLineEnds(written));
    EXPECT_EQ(bytes.compare(0, 53, "Lorvan.exe (version 2.0) results for user: Who?\r\n\r\n\r\n"),
              0);
    EXPECT_NE(bytes.back(), '\n');
}

TEST_F(ResultsFileOnWindows, ConfirmsWithTheFullPath) {
    SaveResultsFile(ResultsText);
    EXPECT_EQ(Seen.count, 1);
    EXPECT_EQ(Seen.caption, "Results Saved");
    EXPECT_EQ(Seen.text, "Results saved to:\n\n" + directory + "LorvanResults_Who_.txt");
}

TEST_F(ResultsFileOnWindows, ReportsAFileThatCannotBeOpened) {
    ASSERT_TRUE(CreateDirectoryA((directory + "LorvanResults_Who_.txt").c_str(), nullptr));
    SaveResultsFile(ResultsText);
    EXPECT_EQ(Seen.count, 1);
    EXPECT_EQ(Seen.caption, "Error");
    EXPECT_EQ(Seen.text, "Unable to save results.");
}

} // namespace
