// ErrorReport.cpp -- turns the status code into the report box and its log line.
#include "engine/core/ErrorReport.h"

#include <cstdio>
#include <string>
#include <vector>

#include "engine/core/Engine.h"
#include "engine/support/DebugLog.h"

namespace engine::core {

namespace {

constexpr const char* kWindowsAdvice =
    "Are you using Windows 98/2000/NT? Vorel requires one of these. Still having trouble? "
    "Please report error and system configuration.";
constexpr const char* kDirectXAdvice =
    "Are you using DirectX SDK 3.1 or 8.1? Vorel requires one of these. Still having "
    "trouble? Please report error and system configuration.";
constexpr const char* kRestartAdvice =
    "Make sure you are using DirectX 3.1, 7 or 8.1. Close any open applications. Try "
    "restarting system. If you are using a large or high quality sound file, try reducing it.";

struct Row {
  std::int32_t code;
  const char* title;
  std::string advice;
};

const std::vector<Row>& Table() {
  static const std::vector<Row> rows = {
      {0, "Error: NO_INIT (User did not initialize Vorel)",
       "You must start Vorel by calling:\n  Vorel.Initialize (fullscreen, xres, yres)\n\nfrom "
       "the initialize() function. See documentation for starting Vorel."},
      {1, "Error: INITCLASS_FAILED (Cannot Initialize Window Class)", kWindowsAdvice},
      {3, "Error: INITWINTEMP_FAILED (Cannot Initialize Temp Window)", kWindowsAdvice},
      {5, "Error: INITWINREAL_FAILED (Cannot Initialize Main Window)", kWindowsAdvice},
      {7, "Error: SHOWWIN_FAILED (Unable to show Main Window)", kWindowsAdvice},
      {9, "Error: DDSTART_FAILED (Unable to start DirectX)", kDirectXAdvice},
      {11, "Error: DDSETLEVEL_FAILED (Unable to set DirectX Cooperative Level)", kDirectXAdvice},
      {13, "Error: SETMODE_FAILED (Unable to set screen mode)", kDirectXAdvice},
      {15, "Error: FRONTSURFACE_FAILED (Unable to create primary surface)", kDirectXAdvice},
      {17, "Error: BACKSURFACE_FAILED (Unable to create secondary surface)", kDirectXAdvice},
      {21, "Error: REQSIZE_FAILED (Requested size too large)",
       "The requested game size must be smaller than the current screen settings. Reduce "
       "requested size to less than the screen size or use fullscreen mode.\n\nIf you are "
       "unsure of screen size initialize Vorel as follows:\n\nVorel.Initialize (false, 700, "
       "500);"},
      {22, "Error: BPP_FAILED (Screen depth not supported)",
       "Vorel supports 16-bit screen depths ONLY!\n\nPlease adjust your screen depth to 16-bit "
       "as follows:\n- Right click on desktop\n- Select Properties\n- Goto Settings Tab\n- "
       "Select High Color (16-bit)"},
      {23, "Error: SOUNDINIT_FAILED (Unable to initialize Direct Sound)",
       "Vorel unable to initialize sound. Is sound card installed and working?"},
      {24, "Error: SOUNDCOOP_FAILED (Unable to set Direct Sound Cooperative Level",
       "Vorel unable to set Direct Sound cooperative level. Is sound card installed and "
       "working?"},
      {25, "Error: SOUNDCREATE_FAILED (Unable to create Direct Sound buffer.",
       "Vorel unable to create a sound buffer for your sound. Try shortening the sound file "
       "(total length), reducing the sound resolution (bits per sample), reducing the sound "
       "quality (samples per second), or eliminating a channel (mono vs. stereo)."},
      {26, "Error: SOUNDMATCH_FAILED (Loaded sounds do not match.",
       "You are attempting to load several sounds with different quality, resolution, and "
       "channel info. All sounds to be played simultaneously must have the same resolution "
       "(bits per sample), same quality (samples per second), and same number of channels "
       "(mono vs. stereo). Edit WAV files accordinging."},
      {27, "Error: SOUNDCAPS_FAILED (Unable to get Sound Buffer Capabilities.",
       "Vorel was unable to retrieve sound buffer capabilities. You may be running out of "
       "memory. Close any open applications. Make sure you have DirectX 3.1, 7 or 8.1."},
      {28, "Error: SOUNDBUFLEN_FAILED (Direct Sound buffer and SoundX buffers do not match.",
       "Direct Sound and SoundX buffer lengths do not match. Internal error. Please report this "
       "problem and the code that generated it."},
      {29, "Error: SOUNDLOST_FAIL (Direct Sound buffer was lost.",
       std::string("Direct Sound buffer was lost. ") + kRestartAdvice},
      {30, "Error: SOUNDINVALID_FAIL (Direct Sound Invalid Call.",
       std::string("DirectX, via Vorel, made an invalid sound call. ") + kRestartAdvice},
      {31, "Error: SOUNDPARAM_FAIL (Direct Sound Invalid Parameter.",
       std::string("DirectX, via Vorel, used an invalid parameter. ") + kRestartAdvice},
      {32, "Error: SOUNDPARAM_FAIL (Direct Sound needs Priority Level",
       std::string("DirectX, via Vorel, is using an invalid priority level. ") + kRestartAdvice},
      {33, "Error: IMAGEUSE_FAILED (Image used incorrectly)",
       "Purpose of image on load does not match its use. Images loaded with DRAW_ALPHA must be "
       "drawn with DrawAlpha. Images loaded with DRAW_MASKED must be drawn with DrawMasked. "
       "Etc."},
  };
  return rows;
}

const Row& Unregistered() {
  static const Row row = {-1, "Error: UNREGISTERED",
                          "Unregistered error with Vorel. Please report."};
  return row;
}

const Row& Lookup(std::int32_t code) {
  for (const Row& row : Table()) {
    if (row.code == code) return row;
  }
  return Unregistered();
}

}  // namespace

ReportText ReportFor(std::int32_t code) {
  const Row& row = Lookup(code);
  return {row.title, row.advice};
}

std::string ReportMessage(std::int32_t code) {
  const Row& row = Lookup(code);
  return std::string("Unable to start Vorel.\n\n") + row.title + "\n\n" + row.advice;
}

void Engine::ReportError() {
  const ReportText text = ReportFor(status_);
  Notice(ReportMessage(status_), "Vorel");
  support::Log.Write("Vorel " + text.title + "\n");
}

void Engine::Notice(std::string_view text, std::string_view caption) {
  if (platform_ != nullptr) {
    platform_->Windows().MessageBox(0, text, caption);
    return;
  }
  std::fprintf(stderr, "%.*s\n%.*s\n\n", static_cast<int>(caption.size()), caption.data(),
               static_cast<int>(text.size()), text.data());
}

void ShowNotice(std::string_view text, std::string_view caption) {
  Vorel.Notice(text, caption);
}

void Engine::SetStatus(std::int32_t code) {
  status_ = code;
  ReportError();
}

}  // namespace engine::core
