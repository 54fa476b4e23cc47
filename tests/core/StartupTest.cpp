// Start-up: every step's status, the log lines, and the measured and centred window.
#include <gtest/gtest.h>

#include "engine/core/Status.h"
#include "engine/graphics/ScreenFormat.h"
#include "engine/support/DebugLog.h"
#include "tests/common/HeadlessEngine.h"

namespace {

using engine::core::Status;
using engine::platform::DisplayResult;
using engine::platform::WindowStyle;
using engine::platform::headless::DesktopConfig;
using engine::platform::headless::Op;
using tests::HeadlessEngine;

DesktopConfig Desktop(int width, int height, int depth = 16) {
  DesktopConfig desktop = DesktopConfig::Quiet();
  desktop.width = width;
  desktop.height = height;
  desktop.depth = depth;
  return desktop;
}

TEST(Startup, FullScreenReachesReadyAndLogsEachSurface) {
  HeadlessEngine h;
  EXPECT_TRUE(h.Engine().Initialize(1, 800, 600));
  EXPECT_EQ(h.Engine().GetStatus(), engine::core::INIT_OK);
  EXPECT_EQ(h.Log(),
            "WindowsDX: Initialization started.\n  "
            "WinDX:: Front Buffer is in video memory.\n  "
            "WinDX:: Back Buffer is in video memory.\n  "
            "WinDX:: Back Buffer is a valid flip (back) buffer.\n  "
            "WindowsDX: Initialization finished OK.\n  ");
  EXPECT_EQ(h.Engine().GetActive(), 1);
  EXPECT_EQ(h.Engine().GetKeyCount(), 0);
}

TEST(Startup, WindowedBackBufferIsPlainMemory) {
  HeadlessEngine h;
  EXPECT_TRUE(h.Engine().Initialize(0, 800, 600));
  EXPECT_EQ(h.Log(),
            "WindowsDX: Initialization started.\n  "
            "WinDX:: Front Buffer is in video memory.\n  "
            "WinDX:: Back Buffer NOT IN VIDEO MEMORY.\n  "
            "WinDX:: Back Buffer NOT A FLIP (BACK) BUFFER.\n  "
            "WindowsDX: Initialization finished OK.\n  ");
}

TEST(Startup, InitializeTruncatesTheLogItOpenedAtStaticStart) {
  HeadlessEngine h;
  engine::support::Log.Write("left over\n");
  h.Engine().Initialize(1, 800, 600);
  EXPECT_EQ(h.Log().rfind("WindowsDX: Initialization started.\n  ", 0), 0u);
}

struct FailureCase {
  const char* name;
  Op op;
  int result;  // the injected result
  int times;
  int skip;
  int fullscreen;
  std::int32_t status;
};

class StartupFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(StartupFailure, StopsAtTheFailedStepWithItsCode) {
  const FailureCase& c = GetParam();
  HeadlessEngine h;
  h.Faults().Inject(c.op, c.result, c.times, c.skip);
  EXPECT_FALSE(h.Engine().Initialize(c.fullscreen, 800, 600));
  EXPECT_EQ(h.Engine().GetStatus(), c.status);
  EXPECT_EQ(h.Log().find("Initialization finished OK"), std::string::npos);
  EXPECT_TRUE(h.Windows().Notices().empty()) << "start-up itself reports nothing";
}

constexpr int kFail = static_cast<int>(DisplayResult::kGeneric);

INSTANTIATE_TEST_SUITE_P(
    EveryStep, StartupFailure,
    testing::Values(
        FailureCase{"RegisterClass", Op::kRegisterClass, kFail, 1, 0, 1, Status::INITCLASS_FAILED},
        FailureCase{"MeasuringWindow", Op::kCreateWindow, kFail, 1, 0, 1,
                    Status::INITWINTEMP_FAILED},
        FailureCase{"MainWindow", Op::kCreateWindow, kFail, 1, 1, 0, Status::INITWINREAL_FAILED},
        FailureCase{"Update", Op::kUpdateWindow, kFail, 1, 0, 1, Status::SHOWWIN_FAILED},
        FailureCase{"DisplayObject", Op::kCreateDisplay, kFail, 1, 0, 1, Status::DDSTART_FAILED},
        FailureCase{"CooperativeLevel", Op::kSetCooperativeLevel, kFail, 1, 0, 0,
                    Status::DDSETLEVEL_FAILED},
        FailureCase{"DisplayMode", Op::kSetDisplayMode, kFail, 1, 0, 1, Status::SETMODE_FAILED},
        FailureCase{"FlipChainTwice", Op::kCreateFlipChain, kFail, 2, 0, 1,
                    Status::FRONTSURFACE_FAILED},
        FailureCase{"AttachedBack", Op::kGetAttachedSurface, kFail, 1, 0, 1,
                    Status::BACKSURFACE_FAILED},
        FailureCase{"WindowedPrimaryTwice", Op::kCreatePrimary, kFail, 2, 0, 0,
                    Status::FRONTSURFACE_FAILED},
        FailureCase{"OffscreenTwice", Op::kCreateOffscreen, kFail, 2, 0, 0,
                    Status::BACKSURFACE_FAILED},
        FailureCase{"BackDescription", Op::kDescribe, kFail, 1, 1, 1, Status::BACKSURFACE_FAILED},
        FailureCase{"SoundDevice", Op::kCreateSoundDevice, kFail, 1, 0, 1,
                    Status::SOUNDINIT_FAILED},
        FailureCase{"SoundLevel", Op::kSetSoundCooperativeLevel, kFail, 1, 0, 0,
                    Status::SOUNDCOOP_FAILED}),
    [](const testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

TEST(Startup, DepthOtherThanSixteenFailsBeforeAnyWindow) {
  for (int fullscreen : {0, 1}) {
    HeadlessEngine h(Desktop(1024, 768, 32));
    EXPECT_FALSE(h.Engine().Initialize(fullscreen, 800, 600));
    EXPECT_EQ(h.Engine().GetStatus(), Status::BPP_FAILED);
    EXPECT_EQ(h.Faults().Calls(Op::kCreateWindow), 0);
  }
}

TEST(Startup, WindowLargerThanTheDesktopIsRefused) {
  HeadlessEngine h(Desktop(800, 600));
  EXPECT_FALSE(h.Engine().Initialize(0, 1024, 768));
  EXPECT_EQ(h.Engine().GetStatus(), Status::REQSIZE_FAILED);
  EXPECT_EQ(h.Faults().Calls(Op::kCreateWindow), 0);
}

TEST(Startup, FullScreenMaySurpassTheDesktop) {
  HeadlessEngine h(Desktop(640, 480));
  EXPECT_TRUE(h.Engine().Initialize(1, 800, 600));
}

TEST(Startup, SoundFailureReplacesTheReadyStatus) {
  HeadlessEngine h;
  h.Faults().Inject(Op::kCreateSoundDevice, 1);
  h.Engine().Initialize(1, 800, 600);
  EXPECT_EQ(h.Engine().GetStatus(), Status::SOUNDINIT_FAILED);
  EXPECT_EQ(h.Engine().GetActive(), 1) << "the display had started";
}

TEST(Startup, FlipChainIsRetriedOnceAndTheFirstFailureLogged) {
  const std::pair<DisplayResult, const char*> cases[] = {
      {DisplayResult::kIncompatiblePrimary, "<WinDX::CreateSurface> Incompatible Primary\n"},
      {DisplayResult::kOutOfMemory, "<WinDX::CreateSurface> Out of Memory\n"},
      {DisplayResult::kNoCooperativeLevelSet, "<WinDX::CreateSurface> No Cooperate Level Set\n"},
      {DisplayResult::kNoZBufferHw, "<WinDX::CreateSurface> No Z-Buffer HW\n"},
      {DisplayResult::kOutOfVideoMemory, "<WinDX::CreateSurface> Out Of Video Memory\n"},
      {DisplayResult::kPrimarySurfaceAlreadyExists,
       "<WinDX::CreateSurface> Primary Surface Already Exists\n"},
      {DisplayResult::kNoDirectDrawHw, "<WinDX::CreateSurface> No Direct Draw HW\n"},
  };
  for (const auto& [result, line] : cases) {
    HeadlessEngine h;
    h.Faults().Inject(Op::kCreateFlipChain, result);
    EXPECT_TRUE(h.Engine().Initialize(1, 800, 600));
    EXPECT_EQ(h.Faults().Calls(Op::kCreateFlipChain), 2);
    EXPECT_NE(h.Log().find(std::string("started.\n  ") + line + "  WinDX:: Front"),
              std::string::npos)
        << line;
  }
}

TEST(Startup, UnnamedFlipChainFailureLogsNothing) {
  HeadlessEngine h;
  h.Faults().Inject(Op::kCreateFlipChain, DisplayResult::kGeneric);
  EXPECT_TRUE(h.Engine().Initialize(1, 800, 600));
  EXPECT_EQ(h.Log().find("<WinDX::CreateSurface>"), std::string::npos);
}

TEST(Startup, WindowedPrimaryFallsBackToSystemMemory) {
  HeadlessEngine h;
  h.Faults().Inject(Op::kCreatePrimary, DisplayResult::kOutOfVideoMemory);
  EXPECT_TRUE(h.Engine().Initialize(0, 800, 600));
  EXPECT_NE(h.Log().find("WinDX:: Front Buffer NOT IN VIDEO MEMORY.\n"), std::string::npos);
  EXPECT_EQ(h.Log().find("<WinDX::CreateSurface>"), std::string::npos);
}

TEST(Startup, OffscreenBackIsRetriedOnce) {
  HeadlessEngine h;
  h.Faults().Inject(Op::kCreateOffscreen, DisplayResult::kOutOfMemory);
  EXPECT_TRUE(h.Engine().Initialize(0, 800, 600));
  EXPECT_EQ(h.Faults().Calls(Op::kCreateOffscreen), 2);
}

TEST(WindowSize, MeasuredFrameIsAddedAndTheWindowCentred) {
  // A frame of 16 x 43 pixels: the 640 x 480 measuring window has a 624 x 437 client area.
  HeadlessEngine h(Desktop(1024, 768));
  ASSERT_TRUE(h.Engine().Initialize(0, 640, 480));
  const auto* params = h.Windows().Params(h.Engine().GetWindow());
  ASSERT_NE(params, nullptr);
  EXPECT_EQ(params->outerWidth, 656);
  EXPECT_EQ(params->outerHeight, 523);
  EXPECT_EQ(params->x, 184);
  EXPECT_EQ(params->y, 123);
  EXPECT_EQ(params->style, WindowStyle::kSysMenu);
  const auto client = h.Windows().GetClientRect(h.Engine().GetWindow());
  EXPECT_EQ(client.Width(), 640);
  EXPECT_EQ(client.Height(), 480);
  EXPECT_EQ(h.Windows().WindowCount(), 1) << "the measuring window is gone";
}

TEST(WindowSize, ZeroRequestTakesTheDesktopSize) {
  HeadlessEngine h(Desktop(1024, 768));
  ASSERT_TRUE(h.Engine().Initialize(0, 0, 0));
  const auto client = h.Windows().GetClientRect(h.Engine().GetWindow());
  EXPECT_EQ(client.Width(), 1024);
  EXPECT_EQ(client.Height(), 768);
  EXPECT_EQ(h.Engine().GetHeight(), 768);
  const auto* params = h.Windows().Params(h.Engine().GetWindow());
  EXPECT_EQ(params->x, 512 - 520);
  EXPECT_EQ(params->y, 384 - 405) << "half of the odd outer height 811 rounds down";
}

TEST(WindowSize, FullScreenWindowIsAPopupAtTheOrigin) {
  HeadlessEngine h(Desktop(1920, 1080));
  ASSERT_TRUE(h.Engine().Initialize(1, 800, 600));
  const auto* params = h.Windows().Params(h.Engine().GetWindow());
  EXPECT_EQ(params->style, WindowStyle::kPopup);
  EXPECT_EQ(params->x, 0);
  EXPECT_EQ(params->y, 0);
  EXPECT_EQ(params->outerWidth, 800);
  EXPECT_EQ(params->outerHeight, 600);
}

TEST(WindowSize, ClipRectangleCoversTheDrawingArea) {
  HeadlessEngine h;
  ASSERT_TRUE(h.Engine().Initialize(1, 800, 600));
  const engine::graphics::ClipRect clip = h.Engine().GetDrawSurface().clip;
  EXPECT_EQ(clip.left, 0);
  EXPECT_EQ(clip.top, 0);
  EXPECT_EQ(clip.right, 799);
  EXPECT_EQ(clip.bottom, 599);
}

TEST(Startup, StartedDisplayEmptiesTheKeyBuffer) {
  HeadlessEngine started;
  started.Engine().PushKey('q');
  ASSERT_TRUE(started.Engine().Initialize(1, 800, 600));
  EXPECT_EQ(started.Engine().GetKeyCount(), 0);

  HeadlessEngine failed;
  failed.Engine().PushKey('q');
  failed.Faults().Inject(Op::kCreateFlipChain, 1, 2);
  EXPECT_FALSE(failed.Engine().Initialize(1, 800, 600));
  EXPECT_EQ(failed.Engine().GetKeyCount(), 1);
}

TEST(Startup, NoPlatformFailsAtTheWindowClass) {
  tests::TempDir dir;
  engine::core::Engine e;
  EXPECT_FALSE(e.Initialize(1, 800, 600));
  EXPECT_EQ(e.GetStatus(), Status::INITCLASS_FAILED);
}

}  // namespace
