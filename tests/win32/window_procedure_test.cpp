#include "app/win32_shell.h"

#include "app/game_state.h"
#include "render/frame_composer.h"
#include "tests/support/fresh_game.h"
#include "tests/win32/win32_test_support.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(MainWindowProc, AnswersUnknownCommandsWithZero) {
    EXPECT_EQ(MainWindowProc(nullptr, WM_COMMAND, 12345, 0), 0);
}

class WindowProcedure : public ::testing::Test {
  protected:
    void SetUp() override {
        StartFreshGame();
        window = CreateGameProcWindow(300, 200, false);
        ASSERT_NE(window, nullptr);
        MainWindow = reinterpret_cast<PlatformWindow*>(window); // as the game's start sets it
        DrainMessages();
    }

    void TearDown() override {
        if (IsWindow(window)) {
            DestroyWindow(window);
        }
        DrainMessages();
    }

    bool QueueIsEmpty() {
        MSG message;
        return !PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    }

    HWND window = nullptr;
};

TEST_F(WindowProcedure, ExitPostsACloseAndLeavesTheWindowToThePump) {
    for (WPARAM wParam : {WPARAM{9001}, WPARAM{MAKEWPARAM(9001, 1)}}) {
        EXPECT_EQ(MainWindowProc(window, WM_COMMAND, wParam, 0), 0);
        EXPECT_TRUE(IsWindow(window));
        MSG message;
        ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
        EXPECT_EQ(message.hwnd, window);
        EXPECT_EQ(message.message, static_cast<UINT>(WM_CLOSE));
        EXPECT_EQ(message.wParam, 0u);
        EXPECT_EQ(message.lParam, 0);
        EXPECT_TRUE(QueueIsEmpty());
    }
}

TEST_F(WindowProcedure, CloseDestroysTheWindowAndEndsTheLoop) {
    EXPECT_EQ(MainWindowProc(window, WM_CLOSE, 0, 0), 0);
    EXPECT_FALSE(IsWindow(window));
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(WindowProcedure, AboutShowsTheCreditsAndTheProductPage) {
    MessageBoxWatcher watcher(IDOK);
    EXPECT_EQ(MainWindowProc(window, WM_COMMAND, 9002, 0), 0);
    ASSERT_EQ(watcher.boxes.size(), 1u);
    const SeenBox& box = watcher.boxes[0];
    EXPECT_EQ(box.caption, "About");
    EXPECT_EQ(box.owner, window);
    EXPECT_TRUE(box.hasOk);
    EXPECT_FALSE(box.hasCancel);
    EXPECT_FALSE(box.hasYes);
    const std::string last = "Website: lorvan.example/products/lorvan/lorvan.shtml";
    ASSERT_GT(box.text.size(), last.size());
    EXPECT_EQ(box.text.substr(box.text.size() - last.size()), last);
    EXPECT_NE(box.text.find("\n\n"), std::string::npos);
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(WindowProcedure, OtherCommandsReturnZeroAndChangeNothing) {
    MessageBoxWatcher watcher(IDOK);
    const WPARAM ids[] = {
        0, 1, 9000, 9003, 12345, 0xFFFF, MAKEWPARAM(1, 9001), MAKEWPARAM(2, 9002)};
    for (WPARAM wParam : ids) {
        EXPECT_EQ(MainWindowProc(window, WM_COMMAND, wParam, 0), 0) << wParam;
        EXPECT_TRUE(QueueIsEmpty()) << wParam;
    }
    EXPECT_TRUE(watcher.boxes.empty());
    EXPECT_TRUE(IsWindow(window));
    EXPECT_FALSE(SaveRequested);
    EXPECT_STREQ(KeyBuffer, "");
}

TEST_F(WindowProcedure, DestroyPostsTheQuitMessageWithExitCodeZero) {
    EXPECT_EQ(MainWindowProc(window, WM_DESTROY, 0, 0), 0);
    MSG message;
    ASSERT_TRUE(PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(message.wParam, 0u);
}

TEST_F(WindowProcedure, SwallowsMouseButtonPresses) {
    for (UINT press : {WM_LBUTTONDOWN, WM_RBUTTONDOWN, WM_MBUTTONDOWN}) {
        EXPECT_EQ(MainWindowProc(window, press, MK_LBUTTON, MAKELPARAM(10, 10)), 0) << press;
        EXPECT_TRUE(QueueIsEmpty()) << press;
    }
    EXPECT_TRUE(IsWindow(window));
}

TEST_F(WindowProcedure, LeavesOtherMessagesToTheDefaultProcedure) {
    // WM_GETTEXTLENGTH is answered by the default procedure from the window's title.
    EXPECT_EQ(MainWindowProc(window, WM_GETTEXTLENGTH, 0, 0),
              DefWindowProcA(window, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(MainWindowProc(window, WM_GETTEXTLENGTH, 0, 0),
              static_cast<LRESULT>(std::string("Lorvan test window").size()));
    // The default procedure answers a non-client hit test inside the client area.
    RECT client;
    GetClientRect(window, &client);
    POINT centre = {client.right / 2, client.bottom / 2};
    ClientToScreen(window, &centre);
    EXPECT_EQ(MainWindowProc(window, WM_NCHITTEST, 0, MAKELPARAM(centre.x, centre.y)), HTCLIENT);
}

TEST_F(WindowProcedure, CreationBuildsTheMenuAndSetsBothIcons) {
    ExpectGameMenu(GetMenu(window));

    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_BIG, 0), 0);
    EXPECT_NE(SendMessageA(window, WM_GETICON, ICON_SMALL, 0), 0);
}

TEST_F(WindowProcedure, ADpiChangeTakesTheSuggestedRectangleAndTheNextFrameFollowsIt) {
    RenderFrame(window); // the first frame records the base
    RECT client;
    GetClientRect(window, &client);
    const PixelBox before = CurrentFrameReport().answerBox;
    ASSERT_GT(before.width, 0);

    RECT suggested = {40, 30, 40 + 600, 30 + 400}; // twice the window, as at 192 dpi
    EXPECT_EQ(MainWindowProc(window, WM_DPICHANGED, MAKEWPARAM(192, 192),
                             reinterpret_cast<LPARAM>(&suggested)),
              0);
    RECT outer;
    GetWindowRect(window, &outer);
    EXPECT_TRUE(EqualRect(&outer, &suggested));
    // A stray message without a rectangle leaves the window where it is.
    EXPECT_EQ(MainWindowProc(window, WM_DPICHANGED, MAKEWPARAM(96, 96), 0), 0);
    GetWindowRect(window, &outer);
    EXPECT_TRUE(EqualRect(&outer, &suggested));

    RECT grown;
    GetClientRect(window, &grown);
    RenderFrame(window);
    const PixelBox after = CurrentFrameReport().answerBox;
    // The box keeps its share of the client area, to a pixel of truncation.
    EXPECT_NEAR(after.width, before.width * static_cast<double>(grown.right) / client.right, 1.0);
    EXPECT_NEAR(after.top, before.top * static_cast<double>(grown.bottom) / client.bottom, 1.0);
}

} // namespace
