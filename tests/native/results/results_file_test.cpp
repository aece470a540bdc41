#include "app/game_state.h"
#include "results/results_file.h"
#include "results/results_text.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::string FileName(const char* directory, const char* userName) {
    char name[RESULTS_FILE_NAME_SIZE];
    EXPECT_TRUE(BuildResultsFileName(directory, "LorvanResults_", userName, name, sizeof name));
    return name;
}

TEST(ResultsFileName, MakesEveryNameSafeForTheFolderBesideTheGame) {
    struct Case {
        const char* userName;
        const char* expected;
    };
    const Case cases[] = {
        {"Player1", "C:\\Games\\LorvanResults_Player1.txt"},
        {"Mr. CantGetItRight", "C:\\Games\\LorvanResults_Mr. CantGetItRight.txt"},
        {"  Tom & Jerry 100% ", "C:\\Games\\LorvanResults_  Tom & Jerry 100% .txt"},
        {"Who?", "C:\\Games\\LorvanResults_Who_.txt"},
        {"Tom/Jerry", "C:\\Games\\LorvanResults_Tom_Jerry.txt"},
        {"..\\up", "C:\\Games\\LorvanResults_.._up.txt"},
        {"a<b>c:d\"e|f*g", "C:\\Games\\LorvanResults_a_b_c_d_e_f_g.txt"},
        {"tab\there\x1f", "C:\\Games\\LorvanResults_tab_here_.txt"},
        {"~!@#$^()[]{};',=+`", "C:\\Games\\LorvanResults_~!@#$^()[]{};',=+`.txt"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FileName("C:\\Games\\", c.userName), c.expected) << c.userName;
    }
}

TEST(ResultsFileName, HoldsTheLongestDirectoryAndName) {
    const std::string directory = "C:\\" + std::string(255, 'd') + "\\";
    ASSERT_EQ(directory.size(), std::size_t(EXE_DIRECTORY_SIZE - 1));
    const std::string name(NAME_LENGTH_LIMIT, 'n');
    const std::string expected = directory + "LorvanResults_" + name + ".txt";
    EXPECT_EQ(expected.size(), 307u);
    EXPECT_EQ(FileName(directory.c_str(), name.c_str()), expected);
}

TEST(SaveConfirmation, NamesTheLongestPathWhole) {
    StartFreshGame();
    ResetFake();
    const std::string directory = "C:\\" + std::string(255, 'd') + "\\";
    std::snprintf(ExeDirectory, sizeof ExeDirectory, "%s", directory.c_str());
    const std::string name(NAME_LENGTH_LIMIT, 'n');
    std::snprintf(Answers.userName, sizeof Answers.userName, "%s", name.c_str());
    Fake.fileResultScripted = true;
    Fake.scriptedFileResult = FILE_WRITTEN;
    SaveResultsFile("results");
    const std::vector<FakeCall> boxes = CallsOf(FakeCallKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "Results saved to:\n\n" + directory + "LorvanResults_" + name + ".txt");
}

TEST(ResultsFileName, RefusesANameThatDoesNotFit) {
    char name[RESULTS_FILE_NAME_SIZE];
    const std::string tooLong(RESULTS_FILE_NAME_SIZE, 'n');
    EXPECT_FALSE(
        BuildResultsFileName("dir/", "LorvanResults_", tooLong.c_str(), name, sizeof name));
    EXPECT_STREQ(name, "");
}

class ResultsFile : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        ResetFake();
        directory = fs::temp_directory_path() /
                    ("lorvan-results-" +
                     std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(directory);
        fs::create_directories(directory);
        const std::string withSeparator = directory.string() + "/";
        std::snprintf(ExeDirectory, sizeof ExeDirectory, "%s", withSeparator.c_str());
        std::strcpy(Answers.userName, "Who?");
        std::strcpy(Answers.wish, "100% & more");
        ComposeResultsText(Answers, ResultsText, sizeof ResultsText);
    }
    void TearDown() override { fs::remove_all(directory); }

    std::vector<FakeCall> Boxes() { return CallsOf(FakeCallKind::MessageBox); }

    void ExpectErrorBoxOnly() {
        const std::vector<FakeCall> boxes = Boxes();
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0].text, "Unable to save results.");
        EXPECT_EQ(boxes[0].caption, "Error");
        EXPECT_EQ(boxes[0].flags, unsigned(MSGBOX_OK | MSGBOX_ICON_ERROR));
    }

    fs::path directory;
};

std::string ReadBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST_F(ResultsFile, WritesTheTenPiecesBesideTheGameAndConfirms) {
    SaveResultsFile(ResultsText);

    const fs::path saved = directory / "LorvanResults_Who_.txt";
    const std::string expected = std::string("Lorvan.exe (version 2.0) results for user: Who?") +
                                 "\n\n\n" + ResultsText + "\n\n\n" +
                                 "Download Lorvan the word game at:\n" +
                                 "lorvan.example/products/lorvan/lorvan_latest.zip" + "\n\n" +
                                 "Website: lorvan.example/products/lorvan/lorvan.shtml";
    const std::string bytes = ReadBytes(saved);
    EXPECT_EQ(bytes, expected);
    EXPECT_NE(bytes.back(), '\n');
    EXPECT_NE(bytes.find("\"100% & more\""), std::string::npos);

    const std::vector<FakeCall> boxes = Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text,
              "Results saved to:\n\n" + directory.string() + "/LorvanResults_Who_.txt");
    EXPECT_EQ(boxes[0].caption, "Results Saved");
    EXPECT_EQ(boxes[0].flags, unsigned(MSGBOX_OK | MSGBOX_ICON_INFORMATION));
}

TEST_F(ResultsFile, ASecondSaveReplacesTheFile) {
    SaveResultsFile(ResultsText);
    const std::string first = ReadBytes(directory / "LorvanResults_Who_.txt");
    SaveResultsFile(ResultsText);
    EXPECT_EQ(ReadBytes(directory / "LorvanResults_Who_.txt"), first);
    EXPECT_EQ(Boxes().size(), 2u);
}

TEST_F(ResultsFile, ANameWithASlashStaysInTheGamesFolder) {
    fs::create_directories(directory / "LorvanResults_Tom"); // a folder the slash could reach
    std::strcpy(Answers.userName, "Tom/Jerry");
    SaveResultsFile(ResultsText);
    EXPECT_TRUE(fs::is_regular_file(directory / "LorvanResults_Tom_Jerry.txt"));
    EXPECT_TRUE(fs::is_empty(directory / "LorvanResults_Tom"));
    EXPECT_EQ(
        ReadBytes(directory / "LorvanResults_Tom_Jerry.txt").find("results for user: Tom/Jerry\n"),
        0u + std::strlen("Lorvan.exe (version 2.0) "));
}

TEST_F(ResultsFile, AFileThatCannotBeOpenedIsReportedAsAnError) {
    fs::create_directories(directory / "LorvanResults_Who_.txt"); // a folder stands in the way
    SaveResultsFile(ResultsText);
    ExpectErrorBoxOnly();
}

TEST_F(ResultsFile, AFailedWriteIsReportedAsAnErrorNotAsSaved) {
    if (!fs::exists("/dev/full")) {
        GTEST_SKIP() << "no /dev/full on this system";
    }
    // /dev/full opens, but every write to it fails as on a full disk.
    SaveResultsFileAt("/dev/full", ResultsText);
    ExpectErrorBoxOnly();
}

TEST_F(ResultsFile, ANameTooLongForTheBufferIsRefusedWithoutWriting) {
    const std::string longName(sizeof Answers.userName - 1, 'n');
    std::strcpy(Answers.userName, longName.c_str());
    std::memset(ExeDirectory, 'd', sizeof ExeDirectory - 1);
    SaveResultsFile(ResultsText);
    EXPECT_TRUE(CallsOf(FakeCallKind::WriteFile).empty());
    ExpectErrorBoxOnly();
}

} // namespace
