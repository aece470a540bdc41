// "Share results" hands on exactly the text the results file holds.
#include "web/shareable_results.h"

#include "app/game_state.h"
#include "results/results_screens.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(ShareableResults, AreTheResultsFilesTextOnTheResultsScreenOnly) {
    StartFreshGame();
    ResetFake();
    Fake.fileResultScripted = true;
    std::strcpy(Answers.userName, "Ane");
    std::strcpy(Answers.loveName, "Bo");
    ScreenIndex = Thinking;
    EXPECT_EQ(ShareableResultsText(), "");

    ScreenIndex = ShowResults;
    const std::string beforeTheScreenDrew = ShareableResultsText();
    BaseClientWidth = 624;
    BaseClientHeight = 421;
    SaveRequested = true; // the frame also writes the file, for comparison
    RenderResultsScreen(FakeDrawContext(), 0, 0, 624, 421, nullptr);
    const auto written = CallsOf(FakeCallKind::WriteFile);
    ASSERT_EQ(written.size(), 1u);
    std::string file;
    for (const std::string& piece : written[0].pieces) {
        file += piece;
    }
    const std::string shared = ShareableResultsText();
    EXPECT_EQ(shared, file);
    EXPECT_EQ(beforeTheScreenDrew, file);
    EXPECT_EQ(shared.rfind("Lorvan.exe (version 2.0) results for user: Ane\n\n\n", 0), 0u);
    EXPECT_NE(shared.find("Bo"), std::string::npos);
    EXPECT_EQ(shared.find('\r'), std::string::npos);
}

} // namespace
