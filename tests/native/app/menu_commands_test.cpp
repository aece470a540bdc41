#include "app/menu_commands.h"

#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

namespace {

TEST(MenuCommands, ExitClosesAboutShowsTheBoxOthersDoNothing) {
    EXPECT_EQ(MenuActionFor(9001), MenuAction::CloseWindow);
    EXPECT_EQ(MenuActionFor(9002), MenuAction::ShowAbout);
    for (int other : {0, 9000, 9003, -9001, 0x10000 + 9001}) {
        EXPECT_EQ(MenuActionFor(other), MenuAction::None) << other;
    }
}

TEST(MenuCommands, TheAboutBoxEndsWithTheProductPage) {
    StartFreshGame();
    ResetFake();
    ShowAboutBox();
    const std::vector<FakeCall> boxes = CallsOf(FakeCallKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "About");
    EXPECT_EQ(boxes[0].flags, static_cast<unsigned>(MESSAGE_OK));
    const std::string last = "\n\nWebsite: lorvan.example/products/lorvan/lorvan.shtml";
    ASSERT_GT(boxes[0].text.size(), last.size());
    EXPECT_EQ(boxes[0].text.substr(boxes[0].text.size() - last.size()), last);
}

} // namespace
