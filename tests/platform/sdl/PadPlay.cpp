// PadPlay.cpp -- plays the game on the desktop backend with SDL virtual pads driven by a pad
// script, so that a pad game can be recorded (--record) and its replay checked headless.
//
//   curbside_padplay PADSCRIPT [curbside options]
//
// One event a line, `FRAME EVENT PAD [ARGS]`, '#' starts a comment; an event for frame N is
// given before the loop's pass that runs frame N, as the input script's are:
//
//   1 add 0                plug in pad 0 (pads are numbered as they are added)
//   300 button 0 a 1       a b x y back start lb rb up down left right; 1 down, 0 up
//   320 axis 0 leftx -30000   leftx lefty lt rt, -32768 to 32767
//   900 remove 0
#include <SDL.h>

#include <cstdio>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "engine/platform/WindowsDecorator.h"
#include "engine/platform/sdl/SdlPlatform.h"
#include "game/shell/CommandLine.h"
#include "game/shell/Program.h"
#include "tests/platform/sdl/VirtualPad.h"

namespace {

using engine::platform::Message;

struct PadEvent {
  long frame = 0;
  std::string what;  // add, remove, button, axis
  int pad = 0;
  int control = 0;  // SDL's button or axis
  int value = 0;
};

const std::map<std::string, int> kButtons = {
    {"a", SDL_CONTROLLER_BUTTON_A},
    {"b", SDL_CONTROLLER_BUTTON_B},
    {"x", SDL_CONTROLLER_BUTTON_X},
    {"y", SDL_CONTROLLER_BUTTON_Y},
    {"back", SDL_CONTROLLER_BUTTON_BACK},
    {"start", SDL_CONTROLLER_BUTTON_START},
    {"lb", SDL_CONTROLLER_BUTTON_LEFTSHOULDER},
    {"rb", SDL_CONTROLLER_BUTTON_RIGHTSHOULDER},
    {"up", SDL_CONTROLLER_BUTTON_DPAD_UP},
    {"down", SDL_CONTROLLER_BUTTON_DPAD_DOWN},
    {"left", SDL_CONTROLLER_BUTTON_DPAD_LEFT},
    {"right", SDL_CONTROLLER_BUTTON_DPAD_RIGHT},
};
const std::map<std::string, int> kAxes = {
    {"leftx", SDL_CONTROLLER_AXIS_LEFTX},
    {"lefty", SDL_CONTROLLER_AXIS_LEFTY},
    {"lt", SDL_CONTROLLER_AXIS_TRIGGERLEFT},
    {"rt", SDL_CONTROLLER_AXIS_TRIGGERRIGHT},
};

bool ParsePadScript(std::istream& in, std::vector<PadEvent>& events, std::string& error) {
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    line = line.substr(0, line.find('#'));
    std::istringstream words(line);
    PadEvent e;
    std::string name;
    if (!(words >> e.frame)) continue;
    bool ok = static_cast<bool>(words >> e.what >> e.pad) && e.pad >= 0;
    if (ok && (e.what == "button" || e.what == "axis")) {
      const auto& names = e.what == "button" ? kButtons : kAxes;
      ok = words >> name >> e.value && names.count(name) != 0;
      if (ok) e.control = names.at(name);
    } else if (ok) {
      ok = e.what == "add" || e.what == "remove";
    }
    if (!ok || (!events.empty() && e.frame < events.back().frame)) {
      error = "line " + std::to_string(number) + ": cannot read '" + line + "'";
      return false;
    }
    events.push_back(e);
  }
  return true;
}

// The desktop's window system with the script's pad events given at their frames.
class PadScriptWindows final : public engine::platform::WindowsDecorator {
 public:
  PadScriptWindows(engine::platform::WindowSystem& inner, std::vector<PadEvent> events)
      : WindowsDecorator(inner), events_(std::move(events)) {}
  ~PadScriptWindows() override {
    for (auto& [pad, joystick] : pads_)
      SDL_JoystickClose(joystick);
  }

  bool PeekMessage(Message& message) override {
    if (inner_.PeekMessage(message)) return true;
    if (!given_) {
      given_ = true;
      Give(framesStarted_ + 1);
      if (inner_.PeekMessage(message)) return true;
    }
    ++framesStarted_;
    given_ = false;
    return false;
  }

 private:
  void Give(long frame) {
    for (; next_ < events_.size() && events_[next_].frame <= frame; ++next_) {
      const PadEvent& e = events_[next_];
      if (e.what == "add") {
        const int index =
            tests::AttachVirtualPad(SDL_JOYSTICK_TYPE_GAMECONTROLLER, "curbside_padplay pad");
        SDL_Joystick* joystick = index >= 0 ? SDL_JoystickOpen(index) : nullptr;
        if (joystick == nullptr) {
          std::cerr << "curbside_padplay: cannot add pad " << e.pad << ": " << SDL_GetError()
                    << "\n";
          continue;
        }
        pads_[e.pad] = joystick;
        continue;
      }
      const auto it = pads_.find(e.pad);
      if (it == pads_.end()) continue;
      if (e.what == "button") SDL_JoystickSetVirtualButton(it->second, e.control, e.value != 0);
      if (e.what == "axis")
        SDL_JoystickSetVirtualAxis(it->second, e.control, static_cast<Sint16>(e.value));
      if (e.what == "remove") {
        // Detaching takes a device index, which only counting the virtual pads still here finds.
        for (int i = 0; i < SDL_NumJoysticks(); ++i) {
          if (SDL_JoystickGetDeviceInstanceID(i) == SDL_JoystickInstanceID(it->second)) {
            SDL_JoystickClose(it->second);
            SDL_JoystickDetachVirtual(i);
            break;
          }
        }
        pads_.erase(it);
      }
    }
  }

  std::vector<PadEvent> events_;
  std::size_t next_ = 0;
  long framesStarted_ = 0;
  bool given_ = false;
  std::map<int, SDL_Joystick*> pads_;
};

class PadScriptPlatform final : public engine::platform::Platform {
 public:
  PadScriptPlatform(std::unique_ptr<engine::platform::Platform> inner, std::vector<PadEvent> events)
      : inner_(std::move(inner)), windows_(inner_->Windows(), std::move(events)) {}

  engine::platform::WindowSystem& Windows() override { return windows_; }
  engine::platform::DisplaySystem& Display() override { return inner_->Display(); }
  engine::platform::SoundSystem& Sound() override { return inner_->Sound(); }

 private:
  std::unique_ptr<engine::platform::Platform> inner_;
  PadScriptWindows windows_;
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::cerr << "usage: curbside_padplay PADSCRIPT [curbside options]\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  std::vector<PadEvent> events;
  std::string error = in ? "" : "cannot read it";
  if (!in || !ParsePadScript(in, events, error)) {
    std::cerr << "curbside_padplay: " << argv[1] << ": " << error << "\n";
    return 2;
  }
  const game::shell::CommandLine commandLine =
      game::shell::ParseCommandLine(std::vector<std::string>(argv + 2, argv + argc));
  if (!commandLine.error.empty()) {
    std::cerr << "curbside_padplay: " << commandLine.error << "\n";
    return 2;
  }
  // Pad events reach a window without the focus too: a display with no window manager may
  // never give it.
  SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
  return game::shell::RunProgram(commandLine.options, std::cout, std::cerr, [&] {
    return std::make_unique<PadScriptPlatform>(engine::platform::sdl::MakeSdlPlatform(),
                                               std::move(events));
  });
}
