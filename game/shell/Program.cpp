// Program.cpp -- runs the engine on the chosen platform.
#include "game/shell/Program.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <ostream>
#include <sstream>

#include "engine/core/Engine.h"
#include "engine/platform/headless/HeadlessPlatform.h"
#include "engine/support/DebugLog.h"
#include "engine/support/Path.h"
#include "game/shell/Callbacks.h"
#include "game/shell/DataCheck.h"
#include "game/shell/GameShell.h"
#include "game/shell/Screenshots.h"
#include "game/shell/ScriptedWindows.h"
#include "game/shell/Trace.h"

namespace game::shell {

namespace {

namespace fs = std::filesystem;

bool IsFolder(const fs::path& path) {
  std::error_code ignored;
  return fs::is_directory(path, ignored);
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::unique_ptr<engine::platform::Platform> MakePlatform(const Options& options,
                                                         const DesktopPlatform& makeDesktop) {
  if (!options.headless) return makeDesktop();
  engine::platform::headless::DesktopConfig desktop;
  if (options.desktop) {
    desktop.width = options.desktop->width;
    desktop.height = options.desktop->height;
    desktop.depth = options.desktop->depth;
  }
  return std::make_unique<engine::platform::headless::HeadlessPlatform>(desktop);
}

}  // namespace

std::string FindDataFolder(const fs::path& working, const std::string& buildData,
                           const fs::path& program, const std::string& installFromBin) {
  if (IsFolder(working / "Images") || IsFolder(working / "Sounds")) return "";
  if (!buildData.empty() && IsFolder(buildData)) return buildData;
  if (!program.empty()) {
    const fs::path installed = (program.parent_path() / installFromBin).lexically_normal();
    if (IsFolder(installed)) return installed.string();
  }
  return "";
}

std::string MenuLogFolder(const char* stateHome, const char* home) {
  // Relative values of XDG_STATE_HOME are to be ignored.
  if (stateHome != nullptr && stateHome[0] == '/')
    return (fs::path(stateHome) / "curbside").string();
  if (home != nullptr && home[0] != '\0') {
    return (fs::path(home) / ".local" / "state" / "curbside").string();
  }
  return "";
}

// Started from a desktop menu the working folder is the home folder, so an installed program
// looks for its data from where its own file is, whatever link or PATH entry started it.
std::string DefaultDataFolder() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return FindDataFolder(".", CURBSIDE_BUILD_DATA_DIR, error ? fs::path() : program,
                        CURBSIDE_INSTALL_DATA_FROM_BIN);
}

int RunProgram(const Options& options, std::ostream& out, std::ostream& err,
               const DesktopPlatform& makeDesktop) {
  if (options.help) {
    out << UsageText();
    return 0;
  }
  if (options.version) {
    out << VersionText();
    return 0;
  }

  if (!options.data.empty() && !IsFolder(options.data)) {
    err << "curbside: data folder '" << options.data << "' does not exist\n";
    return 2;
  }
  engine::support::SetDataFolder(options.data.empty() ? DefaultDataFolder() : options.data);
  if (const std::vector<std::string> missing = MissingStartFiles(); !missing.empty()) {
    err << "curbside: " << MissingDataLine(missing) << "\n";
    return 2;
  }

  std::vector<ScriptEvent> events;
  if (!options.script.empty()) {
    std::ifstream in(options.script, std::ios::binary);
    if (!in) {
      err << "curbside: cannot read script '" << options.script << "'\n";
      return 2;
    }
    std::ostringstream text;
    text << in.rdbuf();
    ScriptParse parse = ParseScript(text.str());
    if (!parse.error.empty()) {
      err << "curbside: " << options.script << ": " << parse.error << "\n";
      return 2;
    }
    events = std::move(parse.events);
  }
  std::unique_ptr<std::FILE, FileCloser> record;
  if (!options.record.empty()) {
    record.reset(std::fopen(options.record.c_str(), "w"));
    if (!record) {
      err << "curbside: cannot write record '" << options.record << "'\n";
      return 2;
    }
  }

  std::unique_ptr<std::FILE, FileCloser> traceFile;
  if (!options.trace.empty()) {
    traceFile.reset(std::fopen(options.trace.c_str(), "w"));
    if (!traceFile) {
      err << "curbside: cannot write trace '" << options.trace << "'\n";
      return 2;
    }
  }
  std::unique_ptr<Trace> trace;
  if (traceFile) trace = std::make_unique<Trace>(traceFile.get(), Game);

  Screenshots screenshots(options.shots);
  if (const std::string file = screenshots.Unwritable(); !file.empty()) {
    err << "curbside: cannot write screenshot '" << file << "'\n";
    return 2;
  }

  std::unique_ptr<engine::platform::Platform> backend = MakePlatform(options, makeDesktop);
  std::unique_ptr<engine::platform::Platform> scripted;
  engine::platform::Platform* platform = backend.get();
  if (!events.empty() || record) {
    scripted = std::make_unique<ScriptedPlatform>(*backend, std::move(events), record.get());
    platform = scripted.get();
  }

  if (options.fromMenu) {
    // A folder that cannot be made shows when the log fails to open, and the game plays on.
    const std::string folder = MenuLogFolder(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    std::error_code ignored;
    if (!folder.empty()) fs::create_directories(folder, ignored);
    engine::support::Log.SetFolder(folder);
  }

  SetFullScreen(options.windowed ? 0 : 1);
  long frame = 0;  // frames run so far
  Vorel.AttachPlatform(platform);
  Vorel.SetDrawnHook([&] { screenshots.FrameDrawn(frame + 1); });
  if (trace) {
    Vorel.SetSoundStartedHook([&](const engine::sound::SoundX& s) { trace->SoundStarted(s); });
  }
  const int code = Vorel.Entry(initialize, [&] {
    run();
    ++frame;
    if (trace) trace->FrameEnded(frame, Vorel.GetStatus());
    if (options.frames && frame == *options.frames) Vorel.Quit();
  });
  Vorel.SetDrawnHook(nullptr);
  Vorel.SetSoundStartedHook(nullptr);
  Vorel.DetachPlatform();
  for (const std::string& problem : screenshots.Problems())
    err << "curbside: " << problem << "\n";
  return code & 0xFF;
}

}  // namespace game::shell
