// The entry and the loop: message before frame, the quit after the frame that posts it, the
// lifecycle messages of the window procedure.
#include <gtest/gtest.h>

#include <vector>

#include "tests/common/HeadlessEngine.h"

namespace {

using engine::platform::Message;
using engine::platform::MessageType;
using engine::platform::PackPoint;
using engine::platform::headless::Op;
using tests::HeadlessEngine;

Message Msg(MessageType type, std::uint32_t wParam = 0, std::uint32_t lParam = 0) {
  return Message{type, 0, wParam, lParam};
}

// Runs the entry with a full-screen start; frame(n) is called for frame n from 1, and the
// loop is stopped after `frames` frames.
int RunFrames(HeadlessEngine& h, int frames, const std::function<void(int)>& frame) {
  int n = 0;
  auto& e = h.Engine();
  return e.Entry([&] { e.Initialize(1, 800, 600); },
                 [&] {
                   ++n;
                   frame(n);
                   if (n == frames) e.Quit();
                 });
}

TEST(MainLoop, FramesRunOnlyWhenNoMessageWaits) {
  HeadlessEngine h;
  std::vector<int> keysSeen;
  const int code = RunFrames(h, 3, [&](int n) {
    keysSeen.push_back(h.Engine().GetKeyCount());
    if (n == 1) {
      for (char c : {'a', 'b', 'c'})
        h.Windows().Post(Msg(MessageType::kChar, c));
    }
  });
  EXPECT_EQ(code, 0);
  // Frame 2 runs only after all three characters were dispatched.
  EXPECT_EQ(keysSeen, (std::vector<int>{0, 3, 3}));
}

TEST(MainLoop, QuitEndsTheLoopAfterTheFrameThatPostedIt) {
  HeadlessEngine h;
  int frames = 0;
  auto& e = h.Engine();
  const int code = e.Entry([&] { e.Initialize(1, 800, 600); },
                           [&] {
                             ++frames;
                             e.ViewUpdate();
                             if (frames == 5) {
                               e.Quit();
                               // Input arriving now is never seen by another frame.
                               h.Windows().Post(Msg(MessageType::kChar, 'x'));
                             }
                           });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(frames, 5);
  EXPECT_EQ(h.Display().Presented(), 5 + 1) << "five frames and the first focus";
  EXPECT_EQ(e.GetBackSurface(), nullptr) << "CleanUp released the surfaces";
  EXPECT_EQ(e.GetDisplayObject(), nullptr);
}

TEST(MainLoop, EscapeHeldPresentsThatFrameThenEnds) {
  HeadlessEngine h;
  auto& e = h.Engine();
  int frames = 0;
  int presentedAtEscape = -1;
  const int code = e.Entry([&] { e.Initialize(1, 800, 600); },
                           [&] {
                             ++frames;
                             if (frames == 3) h.Windows().Post(Msg(MessageType::kKeyDown, 27));
                             if (e.KeyDown(27)) e.Quit();
                             e.ViewUpdate();
                             if (e.KeyDown(27)) presentedAtEscape = h.Display().Presented();
                           });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(frames, 4);
  EXPECT_EQ(presentedAtEscape, h.Display().Presented());
}

TEST(MainLoop, ControlKeysTypeTheirCharacters) {
  HeadlessEngine h;
  std::vector<int> typed;
  RunFrames(h, 2, [&](int n) {
    if (n == 1) {
      for (std::uint32_t key : {13u, 65u, 8u, 9u, 27u, 32u}) {
        h.Windows().Post(Msg(MessageType::kKeyDown, key));
      }
      return;
    }
    while (int c = h.Engine().GetKey())
      typed.push_back(c);
  });
  EXPECT_EQ(typed, (std::vector<int>{27, 9, 8, 13})) << "newest first; letters need text input";
}

TEST(MainLoop, CloseDestroysTheWindowAndEndsWithZero) {
  HeadlessEngine h;
  int frames = 0;
  auto& e = h.Engine();
  const int code = e.Entry([&] { e.Initialize(0, 800, 600); },
                           [&] {
                             if (++frames == 2) h.Windows().Post(Msg(MessageType::kClose));
                           });
  EXPECT_EQ(code, 0);
  EXPECT_EQ(frames, 2);
  EXPECT_EQ(h.Windows().WindowCount(), 0);
}

TEST(MainLoop, FailedStartReportsAndNeverRunsAFrame) {
  HeadlessEngine h;
  h.Faults().Inject(Op::kUpdateWindow, 1);
  int frames = 0;
  auto& e = h.Engine();
  const int code = e.Entry([&] { e.Initialize(1, 800, 600); }, [&] { ++frames; });
  EXPECT_EQ(code, -1);
  EXPECT_EQ(frames, 0);
  ASSERT_EQ(h.Windows().Notices().size(), 1u);
  EXPECT_EQ(h.Windows().Notices()[0].caption, "Vorel");
  EXPECT_EQ(h.Windows().Notices()[0].text.rfind(
                "Unable to start Vorel.\n\nError: SHOWWIN_FAILED (Unable to show Main Window)", 0),
            0u);
  EXPECT_NE(h.Log().find("Vorel Error: SHOWWIN_FAILED (Unable to show Main Window)\n  "),
            std::string::npos);
}

TEST(MainLoop, InitializeNeverCalledAsksForIt) {
  HeadlessEngine h;
  EXPECT_EQ(h.Engine().Entry([] {}, [] {}), -1);
  ASSERT_EQ(h.Windows().Notices().size(), 1u);
  EXPECT_NE(h.Windows().Notices()[0].text.find("Error: NO_INIT"), std::string::npos);
}

TEST(MainLoop, LaterStatusKeepsTheLoopFromStarting) {
  HeadlessEngine h;
  auto& e = h.Engine();
  int frames = 0;
  const int code = e.Entry(
      [&] {
        e.Initialize(1, 800, 600);
        e.SetStatus(33);  // a misused image during the game's own start-up
      },
      [&] { ++frames; });
  EXPECT_EQ(code, -1);
  EXPECT_EQ(frames, 0);
  EXPECT_EQ(h.Windows().Notices().size(), 2u) << "reported where it happened and by the entry";
}

class Lifecycle : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(h.Engine().Initialize(1, 800, 600));
    h.Pump();
  }
  HeadlessEngine h;
};

TEST_F(Lifecycle, FocusFollowsTheWindow) {
  auto& e = h.Engine();
  e.WindowProc(Msg(MessageType::kKillFocus));
  EXPECT_EQ(e.GetActive(), 0);
  const int before = h.Display().Presented();
  e.WindowProc(Msg(MessageType::kSetFocus));
  EXPECT_EQ(e.GetActive(), 1);
  EXPECT_EQ(h.Display().Presented(), before + 1) << "the last frame is shown at once";
}

TEST_F(Lifecycle, SetFocusBeforeReadyDoesNothing) {
  auto& e = h.Engine();
  e.WindowProc(Msg(MessageType::kKillFocus));
  e.SetStatus(engine::core::SOUNDINIT_FAILED);
  e.WindowProc(Msg(MessageType::kSetFocus));
  EXPECT_EQ(e.GetActive(), 0);
}

TEST_F(Lifecycle, ActivationCopiesItsParameter) {
  auto& e = h.Engine();
  e.WindowProc(Msg(MessageType::kActivateApp, 0));
  EXPECT_EQ(e.GetActive(), 0);
  e.WindowProc(Msg(MessageType::kActivateApp, 1));
  EXPECT_EQ(e.GetActive(), 1);
}

TEST_F(Lifecycle, MoveSetsTheViewOrigin) {
  auto& e = h.Engine();
  e.WindowProc(Msg(MessageType::kMove, 0, PackPoint(100, 50)));
  EXPECT_EQ(e.GetViewOrigin().x, 100);
  EXPECT_EQ(e.GetViewOrigin().y, 50);
  e.WindowProc(Msg(MessageType::kMove, 0, PackPoint(-20, -5)));
  EXPECT_EQ(e.GetViewOrigin().x, -20) << "a window partly off the desktop";
  EXPECT_EQ(e.GetViewOrigin().y, -5);
}

TEST_F(Lifecycle, ShowingTheWindowBringsItToTheFront) {
  auto& e = h.Engine();
  EXPECT_EQ(h.Windows().GetForegroundWindow(), e.GetWindow());
  EXPECT_EQ(e.GetActive(), 1);
  h.Windows().SetForeground(0);
  h.Pump();
  EXPECT_EQ(e.GetActive(), 0);
}

}  // namespace
