// CommandLine.cpp -- parsing the options; "--name value" and "--name=value" are both accepted.
#include "game/shell/CommandLine.h"

#include <charconv>

#include "game/actors/PlayerControls.h"

namespace game::shell {

namespace {

std::optional<long> ParsePositive(const std::string& text, long high) {
  long value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1 || value > high) {
    return std::nullopt;
  }
  return value;
}

// "WxHxD", each a positive number.
std::optional<DesktopSize> ParseDesktop(const std::string& text) {
  const std::size_t first = text.find('x');
  const std::size_t second = first == std::string::npos ? first : text.find('x', first + 1);
  if (second == std::string::npos) return std::nullopt;
  const auto w = ParsePositive(text.substr(0, first), 65535);
  const auto h = ParsePositive(text.substr(first + 1, second - first - 1), 65535);
  const auto d = ParsePositive(text.substr(second + 1), 64);
  if (!w || !h || !d) return std::nullopt;
  return DesktopSize{static_cast<int>(*w), static_cast<int>(*h), static_cast<int>(*d)};
}

// "N:FILE" with N a frame number.
std::optional<Shot> ParseShot(const std::string& text) {
  const std::size_t colon = text.find(':');
  if (colon == std::string::npos || colon + 1 == text.size()) return std::nullopt;
  const auto frame = ParsePositive(text.substr(0, colon), 2'000'000'000L);
  if (!frame) return std::nullopt;
  return Shot{*frame, text.substr(colon + 1)};
}

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine result;
  Options& o = result.options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string name = args[i];
    std::optional<std::string> inlineValue;
    if (const std::size_t eq = name.find('=');
        name.rfind("--", 0) == 0 && eq != std::string::npos) {
      inlineValue = name.substr(eq + 1);
      name.resize(eq);
    }
    // Takes the option's value from "=value" or from the next argument.
    auto value = [&]() -> std::optional<std::string> {
      if (inlineValue) return inlineValue;
      if (i + 1 < args.size()) return args[++i];
      return std::nullopt;
    };
    auto fail = [&](const std::string& why) {
      result.error = why;
      return result;
    };
    const bool takesValue = name == "--frames" || name == "--script" || name == "--record" ||
                            name == "--desktop" || name == "--data" || name == "--shot" ||
                            name == "--trace";
    if (!takesValue && inlineValue) return fail("option " + name + " takes no value");

    if (name == "--windowed") {
      o.windowed = true;
    } else if (name == "--headless") {
      o.headless = true;
    } else if (name == "--help" || name == "-h") {
      o.help = true;
    } else if (name == "--version") {
      o.version = true;
    } else if (name == "--from-menu") {
      o.fromMenu = true;
    } else if (takesValue) {
      const std::optional<std::string> v = value();
      if (!v || v->empty()) return fail("option " + name + " needs a value");
      if (name == "--frames") {
        o.frames = ParsePositive(*v, 2'000'000'000L);
        if (!o.frames) return fail("--frames needs a whole number of frames, 1 or more");
      } else if (name == "--script") {
        o.script = *v;
      } else if (name == "--record") {
        o.record = *v;
      } else if (name == "--trace") {
        o.trace = *v;
      } else if (name == "--shot") {
        const std::optional<Shot> shot = ParseShot(*v);
        if (!shot) return fail("--shot needs FRAME:FILE, such as 120:title.tif");
        o.shots.push_back(*shot);
      } else if (name == "--desktop") {
        o.desktop = ParseDesktop(*v);
        if (!o.desktop) return fail("--desktop needs WIDTHxHEIGHTxDEPTH, such as 1024x768x16");
      } else {
        o.data = *v;
      }
    } else {
      return fail("unknown option '" + args[i] + "'");
    }
  }
  if (o.desktop && !o.headless) result.error = "--desktop is for --headless runs only";
  return result;
}

std::string UsageText() {
  return "Usage: curbside [options]\n"
         "A street-performance arcade game for one or two players.\n"
         "\n"
         "Options:\n"
         "  --windowed          start in an 800 x 600 window instead of full screen\n"
         "  --headless          use the headless platform (no window, no sound device)\n"
         "  --frames N          end the program after frame N has been presented\n"
         "  --script FILE       feed input events from FILE (such as a --record file)\n"
         "  --record FILE       write every input message the game receives to FILE\n"
         "  --trace FILE        write the game's state after every frame to FILE as JSON\n"
         "  --shot N:FILE       save the picture of frame N to FILE as a TIFF\n"
         "  --desktop WxHxD     headless only: the desktop size and depth to report\n"
         "  --data DIR          the folder holding Images/ and Sounds/\n"
         "  --from-menu         started from the desktop menu: write debug.txt into\n"
         "                      $XDG_STATE_HOME/curbside (~/.local/state/curbside)\n"
         "  --help              show this text\n"
         "  --version           show the version\n"
         "\n"
         "Title and rules: click ONE PLAYER, TWO PLAYERS or RULES; the two buttons at the\n"
         "bottom right turn the rules pages.\n"
         "\n" +
         actors::ControlsHelp() +
         "\n"
         "Alt+Enter or F11 switches between full screen and a window.\n"
         "Escape quits from every screen.\n";
}

std::string VersionText() {
  return "curbside " CURBSIDE_VERSION "\n";
}

}  // namespace game::shell
