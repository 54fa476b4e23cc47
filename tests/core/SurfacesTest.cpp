// Back-buffer geometry, the per-frame lock and presentation.
#include <gtest/gtest.h>

#include "engine/graphics/ScreenFormat.h"
#include "tests/common/HeadlessEngine.h"

namespace {

using engine::graphics::PixelFormat;
using engine::graphics::ScreenFormat;
using engine::platform::DisplayResult;
using engine::platform::Message;
using engine::platform::MessageType;
using engine::platform::PackPoint;
using engine::platform::headless::DisplayConfig;
using engine::platform::headless::Op;
using tests::HeadlessEngine;

DisplayConfig Pitch(int pitch) {
  DisplayConfig config;
  config.pitch = pitch;
  return config;
}

TEST(BackBuffer, WidePitchSetsTheStride) {
  HeadlessEngine h(engine::platform::headless::DesktopConfig::Quiet(), Pitch(2048));
  auto& e = h.Engine();
  ASSERT_TRUE(e.Initialize(1, 800, 600));
  EXPECT_EQ(e.GetPitch(), 2048);
  EXPECT_EQ(e.GetStride(), 1024);
  EXPECT_EQ(e.GetHeight(), 600);
  EXPECT_EQ(e.GetBufferSize(), 600 * 1024 * 2);
  ASSERT_EQ(e.GetRowOffsets().size(), 601u);
  EXPECT_EQ(e.GetRowOffsets()[2], 4096);
  EXPECT_EQ(e.GetRowOffsets()[600], 600 * 2048);

  ASSERT_TRUE(e.ViewLock());
  e.DrawPixel(10, 2, 31, 0, 0);
  e.ViewUnlock();
  EXPECT_EQ(e.GetBackBuffer()[2058], 0xF800);
}

TEST(BackBuffer, RowOffsetsCoverABufferTallerThanAThousandRows) {
  auto desktop = engine::platform::headless::DesktopConfig::Quiet();
  desktop.width = 1600;
  desktop.height = 1200;
  HeadlessEngine h(desktop);
  auto& e = h.Engine();
  ASSERT_TRUE(e.Initialize(0, 0, 0));
  ASSERT_EQ(e.GetHeight(), 1200);
  ASSERT_EQ(e.GetRowOffsets().size(), 1201u);
  EXPECT_EQ(e.GetRowOffsets()[1200], 1200 * e.GetPitch());
}

TEST(BackBuffer, ChannelShiftsAndWidthsComeFromTheMasks) {
  HeadlessEngine h565;
  ASSERT_TRUE(h565.Engine().Initialize(1, 800, 600));
  EXPECT_EQ(ScreenFormat.rshift, 11);
  EXPECT_EQ(ScreenFormat.gshift, 5);
  EXPECT_EQ(ScreenFormat.bshift, 0);
  EXPECT_EQ(ScreenFormat.rbits, 5);
  EXPECT_EQ(ScreenFormat.gbits, 6);
  EXPECT_EQ(ScreenFormat.bbits, 5);
  EXPECT_EQ(ScreenFormat.rmask, 0xF800);

  const PixelFormat f555 = PixelFormat::FromMasks(0x7C00, 0x03E0, 0x001F);
  EXPECT_EQ(f555.rshift, 10);
  EXPECT_EQ(f555.gshift, 5);
  EXPECT_EQ(f555.bshift, 0);
  EXPECT_EQ(f555.rbits, 5);
  EXPECT_EQ(f555.gbits, 5);
  EXPECT_EQ(f555.bbits, 5);

  const PixelFormat none = PixelFormat::FromMasks(0, 0xFF00, 0);
  EXPECT_EQ(none.rshift, 0);
  EXPECT_EQ(none.rbits, 0);
  EXPECT_EQ(none.gshift, 8);
  EXPECT_EQ(none.gbits, 8);
}

TEST(BackBuffer, DrawPixelNeverWritesOutsideTheLockedBuffer) {
  HeadlessEngine h;
  auto& e = h.Engine();
  ASSERT_TRUE(e.Initialize(1, 800, 600));
  ASSERT_TRUE(e.ViewLock());
  std::uint16_t* pixels = e.GetBackBuffer();
  EXPECT_EQ(e.DrawPixel(799, 599, 1, 2, 3), 1);
  EXPECT_EQ(pixels[599 * 800 + 799], 0x0883);
  EXPECT_EQ(e.DrawPixel(800, 0, 31, 31, 31), 1);
  EXPECT_EQ(e.DrawPixel(0, 600, 31, 31, 31), 1);
  EXPECT_EQ(e.DrawPixel(-1, 0, 31, 31, 31), 1);
  EXPECT_EQ(pixels[0], 0);
  e.ViewUnlock();
  e.DrawPixel(0, 0, 31, 31, 31);
  EXPECT_EQ(pixels[0], 0) << "not locked: nothing written";
}

class Presentation : public testing::Test {
 protected:
  void Start(int fullscreen) {
    ASSERT_TRUE(h.Engine().Initialize(fullscreen, 800, 600));
    h.Pump();
  }
  // Draws a frame whose top-left pixel is colour.
  void DrawFrame(std::uint16_t colour) {
    auto& e = h.Engine();
    ASSERT_TRUE(e.ViewLock());
    e.GetBackBuffer()[0] = colour;
    e.ViewUnlock();
  }
  HeadlessEngine h;
};

TEST_F(Presentation, FailedLockReportsAndKeepsThePointer) {
  Start(1);
  auto& e = h.Engine();
  ASSERT_TRUE(e.ViewLock());
  std::uint16_t* previous = e.GetBackBuffer();
  e.ViewUnlock();
  h.Faults().Inject(Op::kLock, DisplayResult::kGeneric);
  EXPECT_FALSE(e.ViewLock());
  EXPECT_EQ(e.GetStatus(), engine::core::LOCK_FAILED);
  EXPECT_EQ(e.GetBackBuffer(), previous);
  EXPECT_FALSE(e.IsLocked()) << "drawing must skip this frame";
  ASSERT_EQ(h.Windows().Notices().size(), 1u);
  EXPECT_NE(h.Windows().Notices()[0].text.find("Error: UNREGISTERED"), std::string::npos);
  EXPECT_NE(h.Log().find("Vorel Error: UNREGISTERED\n  "), std::string::npos);
}

TEST_F(Presentation, FullScreenFlipsTheDrawnFrameToTheFront) {
  Start(1);
  DrawFrame(0x1234);
  const int before = h.Display().Presented();
  EXPECT_TRUE(h.Engine().ViewUpdate());
  EXPECT_EQ(h.Display().Presented(), before + 1);
  EXPECT_EQ(h.Display().Visible()->At(0, 0), 0x1234);
}

TEST_F(Presentation, LostFullScreenPrimaryIsRestoredAfterTheFlip) {
  Start(1);
  h.Faults().Inject(Op::kIsLost, 1);
  EXPECT_TRUE(h.Engine().ViewUpdate());
  EXPECT_EQ(h.Faults().Calls(Op::kRestore), 1);
  DrawFrame(0x0F0F);
  EXPECT_TRUE(h.Engine().ViewUpdate());
  EXPECT_EQ(h.Display().Visible()->At(0, 0), 0x0F0F);
}

TEST_F(Presentation, WindowedFrameIsCopiedAtTheViewOrigin) {
  Start(0);
  auto& e = h.Engine();
  e.WindowProc(Message{MessageType::kMove, e.GetWindow(), 0, PackPoint(100, 50)});
  DrawFrame(0xABCD);
  EXPECT_TRUE(e.ViewUpdate());
  const auto* desktop = h.Display().Visible();
  EXPECT_EQ(desktop->At(100, 50), 0xABCD);
  EXPECT_EQ(desktop->At(99, 50), 0);
}

TEST_F(Presentation, WindowedOriginFollowsTheClientArea) {
  Start(0);
  const auto origin = h.Windows().ClientToScreen(h.Engine().GetWindow(), {0, 0});
  EXPECT_EQ(h.Engine().GetViewOrigin().x, origin.x);
  EXPECT_EQ(h.Engine().GetViewOrigin().y, origin.y);
  EXPECT_EQ(origin.x, (1024 / 2 - 816 / 2) + 8);
}

TEST_F(Presentation, NothingIsShownInTheBackground) {
  Start(0);
  h.Windows().SetForeground(0);
  h.Pump();
  const int presented = h.Display().Presented();
  DrawFrame(0x7777);
  EXPECT_TRUE(h.Engine().ViewUpdate());
  EXPECT_EQ(h.Display().Presented(), presented);
  EXPECT_EQ(h.Display().Skipped(), 1);
}

TEST_F(Presentation, InactiveFrameIsNotShownEvenInFront) {
  Start(1);
  h.Engine().SetActive(0);
  const int presented = h.Display().Presented();
  EXPECT_TRUE(h.Engine().ViewUpdate());
  EXPECT_EQ(h.Display().Presented(), presented);
}

TEST_F(Presentation, StillDrawingReturnsFalse) {
  Start(0);
  h.Faults().Inject(Op::kBltFast, DisplayResult::kStillDrawing);
  EXPECT_FALSE(h.Engine().ViewUpdate());
  EXPECT_TRUE(h.Windows().Notices().empty());
}

TEST_F(Presentation, OtherCopyFailuresCountAsShown) {
  Start(0);
  h.Faults().Inject(Op::kBltFast, DisplayResult::kInvalidParams);
  EXPECT_TRUE(h.Engine().ViewUpdate());
}

TEST_F(Presentation, LostWindowedSurfacesAreRestoredAfterANotice) {
  Start(0);
  h.Faults().Inject(Op::kBltFast, DisplayResult::kSurfaceLost);
  EXPECT_TRUE(h.Engine().ViewUpdate());
  ASSERT_EQ(h.Windows().Notices().size(), 1u);
  const auto& notice = h.Windows().Notices()[0];
  EXPECT_EQ(notice.text, "<WinDX::ViewUpdate> Error: Surface Lost");
  EXPECT_EQ(notice.caption, "");
  EXPECT_EQ(notice.owner, h.Engine().GetWindow());
  EXPECT_EQ(h.Faults().Calls(Op::kRestore), 2);
}

TEST_F(Presentation, FailedRestoreReturnsFalse) {
  Start(0);
  h.Faults().Inject(Op::kBltFast, DisplayResult::kSurfaceLost, 2);
  h.Faults().Inject(Op::kRestore, DisplayResult::kGeneric);
  EXPECT_FALSE(h.Engine().ViewUpdate()) << "primary not restored";
  h.Faults().Inject(Op::kRestore, DisplayResult::kGeneric, 1, 1);
  EXPECT_FALSE(h.Engine().ViewUpdate()) << "back surface not restored";
}

TEST_F(Presentation, CleanUpReleasesEverySurface) {
  Start(1);
  auto& e = h.Engine();
  EXPECT_TRUE(e.CleanUp());
  EXPECT_EQ(e.GetBackSurface(), nullptr);
  EXPECT_EQ(e.GetPrimarySurface(), nullptr);
  EXPECT_EQ(e.GetDisplayObject(), nullptr);
  EXPECT_TRUE(e.CleanUp()) << "a second clean-up finds nothing to release";
  EXPECT_FALSE(e.ViewLock());
  EXPECT_TRUE(e.ViewUpdate());
}

}  // namespace
