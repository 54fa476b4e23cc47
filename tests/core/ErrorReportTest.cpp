// The report box and its log line for each status code.
#include <gtest/gtest.h>

#include "engine/core/ErrorReport.h"
#include "tests/common/HeadlessEngine.h"

namespace {

using engine::core::ReportFor;
using engine::core::ReportMessage;

TEST(ErrorReport, EachRegisteredCodeHasItsTitle) {
  const std::pair<int, const char*> titles[] = {
      {0, "Error: NO_INIT (User did not initialize Vorel)"},
      {1, "Error: INITCLASS_FAILED (Cannot Initialize Window Class)"},
      {3, "Error: INITWINTEMP_FAILED (Cannot Initialize Temp Window)"},
      {5, "Error: INITWINREAL_FAILED (Cannot Initialize Main Window)"},
      {7, "Error: SHOWWIN_FAILED (Unable to show Main Window)"},
      {9, "Error: DDSTART_FAILED (Unable to start DirectX)"},
      {11, "Error: DDSETLEVEL_FAILED (Unable to set DirectX Cooperative Level)"},
      {13, "Error: SETMODE_FAILED (Unable to set screen mode)"},
      {15, "Error: FRONTSURFACE_FAILED (Unable to create primary surface)"},
      {17, "Error: BACKSURFACE_FAILED (Unable to create secondary surface)"},
      {21, "Error: REQSIZE_FAILED (Requested size too large)"},
      {22, "Error: BPP_FAILED (Screen depth not supported)"},
      {23, "Error: SOUNDINIT_FAILED (Unable to initialize Direct Sound)"},
      {24, "Error: SOUNDCOOP_FAILED (Unable to set Direct Sound Cooperative Level"},
      {25, "Error: SOUNDCREATE_FAILED (Unable to create Direct Sound buffer."},
      {26, "Error: SOUNDMATCH_FAILED (Loaded sounds do not match."},
      {27, "Error: SOUNDCAPS_FAILED (Unable to get Sound Buffer Capabilities."},
      {28, "Error: SOUNDBUFLEN_FAILED (Direct Sound buffer and SoundX buffers do not match."},
      {29, "Error: SOUNDLOST_FAIL (Direct Sound buffer was lost."},
      {30, "Error: SOUNDINVALID_FAIL (Direct Sound Invalid Call."},
      {31, "Error: SOUNDPARAM_FAIL (Direct Sound Invalid Parameter."},
      {32, "Error: SOUNDPARAM_FAIL (Direct Sound needs Priority Level"},
      {33, "Error: IMAGEUSE_FAILED (Image used incorrectly)"},
  };
  for (const auto& [code, title] : titles) EXPECT_EQ(ReportFor(code).title, title) << code;
}

TEST(ErrorReport, CodesWithoutARowAreUnregistered) {
  for (int code : {2, 4, 6, 8, 10, 12, 14, 16, 18, 19, 20, -1, 34, 1000}) {
    EXPECT_EQ(ReportFor(code).title, "Error: UNREGISTERED") << code;
    EXPECT_EQ(ReportFor(code).advice, "Unregistered error with Vorel. Please report.") << code;
  }
}

TEST(ErrorReport, SharedAdviceTexts) {
  const std::string windows =
      "Are you using Windows 98/2000/NT? Vorel requires one of these. Still having trouble? "
      "Please report error and system configuration.";
  const std::string directx =
      "Are you using DirectX SDK 3.1 or 8.1? Vorel requires one of these. Still having "
      "trouble? Please report error and system configuration.";
  for (int code : {1, 3, 5, 7}) EXPECT_EQ(ReportFor(code).advice, windows) << code;
  for (int code : {9, 11, 13, 15, 17}) EXPECT_EQ(ReportFor(code).advice, directx) << code;
  EXPECT_EQ(ReportFor(29).advice,
            "Direct Sound buffer was lost. Make sure you are using DirectX 3.1, 7 or 8.1. Close "
            "any open applications. Try restarting system. If you are using a large or high "
            "quality sound file, try reducing it.");
}

TEST(ErrorReport, MessagesStayUnderAThousandCharacters) {
  std::size_t longestTitle = 0, longestAdvice = 0;
  for (int code = -1; code <= 34; ++code) {
    longestTitle = std::max(longestTitle, ReportFor(code).title.size());
    longestAdvice = std::max(longestAdvice, ReportFor(code).advice.size());
    EXPECT_LT(ReportMessage(code).size(), 1000u);
  }
  EXPECT_EQ(longestTitle, 79u);
  EXPECT_EQ(longestAdvice, 294u);
}

TEST(ErrorReport, DepthReportShowsBoxAndWritesLogLine) {
  tests::HeadlessEngine h;
  auto& e = h.Engine();
  e.SetStatus(22);
  EXPECT_EQ(e.GetStatus(), 22) << "the report leaves the status";
  ASSERT_EQ(h.Windows().Notices().size(), 1u);
  const auto& notice = h.Windows().Notices()[0];
  EXPECT_EQ(notice.caption, "Vorel");
  EXPECT_EQ(notice.owner, 0u);
  EXPECT_EQ(notice.text,
            "Unable to start Vorel.\n\nError: BPP_FAILED (Screen depth not supported)\n\n"
            "Vorel supports 16-bit screen depths ONLY!\n\nPlease adjust your screen depth to "
            "16-bit as follows:\n- Right click on desktop\n- Select Properties\n- Goto Settings "
            "Tab\n- Select High Color (16-bit)");
  EXPECT_EQ(h.Log(), "Vorel Error: BPP_FAILED (Screen depth not supported)\n  ");
}

TEST(ErrorReport, WindowClassOnlyIsUnregistered) {
  tests::HeadlessEngine h;
  h.Engine().SetStatus(2);
  EXPECT_EQ(h.Windows().Notices()[0].text,
            "Unable to start Vorel.\n\nError: UNREGISTERED\n\n"
            "Unregistered error with Vorel. Please report.");
}

}  // namespace
