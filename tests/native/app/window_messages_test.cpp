#include "app/window_messages.h"

#include "app/about_text.h"
#include "tests/support/fake_platform.h"
#include "tests/support/fresh_game.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowMessages, EachMessageTheWindowHandlesHasItsEffect) {
    // The numbers are Win32's and the resource script's, written out so that a
    // drifted constant fails here.
    const struct {
        unsigned message;
        std::uint64_t wParam;
        WindowEffect effect;
    } cases[] = {
        {0x0111, 9001, WindowEffect::PostClose},
        {0x0111, 0x10000 + 9001, WindowEffect::PostClose}, // an accelerator's command
        {0x0111, 9002, WindowEffect::ShowAbout},
        {0x0111, 0, WindowEffect::Ignore},
        {0x0111, 9000, WindowEffect::Ignore},
        {0x0111, 9003, WindowEffect::Ignore},
        {0x0111, 0x10000 - 9001, WindowEffect::Ignore},
        {0x0010, 0, WindowEffect::Destroy},
        {0x0002, 0, WindowEffect::PostQuit},
        {0x0100, 9001, WindowEffect::PassOn}, // a key-down
        {0x0102, 9002, WindowEffect::PassOn}, // a character
        {0x0012, 0, WindowEffect::PassOn},    // the quit message never reaches a window
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WindowEffectOf(c.message, c.wParam), c.effect)
            << std::hex << c.message << " " << c.wParam;
    }
}

TEST(WindowMessages, TheAboutBoxEndsWithTheProductPage) {
    StartFreshGame();
    ResetFake();
    ShowAboutBox();
    const std::vector<FakeCall> boxes = CallsOf(FakeCallKind::MessageBox);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "About");
    EXPECT_EQ(boxes[0].flags, static_cast<unsigned>(MSGBOX_OK));
    const std::string last = "\n\nWebsite: lorvan.example/products/lorvan/lorvan.shtml";
    ASSERT_GT(boxes[0].text.size(), last.size());
    EXPECT_EQ(boxes[0].text.substr(boxes[0].text.size() - last.size()), last);
}

} // namespace
