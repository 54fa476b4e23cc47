// SdlEventsTest.cpp -- SDL events to window messages: what each event makes, in what order,
// and what it must not make.
#include "engine/platform/sdl/SdlEvents.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace engine::platform::sdl {
namespace {

constexpr WindowHandle kMain = 7;
constexpr std::uint32_t kOtherId = 9;  // an SDL window that is not one of ours

class FakeContext final : public EventContext {
 public:
  WindowHandle Resolve(std::uint32_t windowId) override { return windowId == kMain ? kMain : 0; }
  WindowHandle MainWindow() override { return main; }
  // A window shown at half size with the picture 20 pixels down, say.
  Point ToPicture(WindowHandle window, Point point) override {
    lastWindow = window;
    return {point.x * 2, point.y * 2 - 20};
  }

  WindowHandle main = kMain;
  WindowHandle lastWindow = 0;
};

std::deque<Message> Translate(const SDL_Event& event, FakeContext& context) {
  std::deque<Message> out;
  TranslateEvent(event, context, out);
  return out;
}

std::deque<Message> Translate(const SDL_Event& event) {
  FakeContext context;
  return Translate(event, context);
}

SDL_Event Key(Uint32 type, SDL_Keycode sym, SDL_Scancode scancode, Uint32 windowId = kMain,
              Uint8 repeat = 0) {
  SDL_Event event{};
  event.key.type = type;
  event.key.windowID = windowId;
  event.key.repeat = repeat;
  event.key.keysym.sym = sym;
  event.key.keysym.scancode = scancode;
  return event;
}

SDL_Event Text(const char* text, Uint32 windowId = kMain) {
  SDL_Event event{};
  event.text.type = SDL_TEXTINPUT;
  event.text.windowID = windowId;
  SDL_strlcpy(event.text.text, text, sizeof(event.text.text));
  return event;
}

SDL_Event WindowEvent(Uint8 what, Uint32 windowId = kMain, Sint32 data1 = 0, Sint32 data2 = 0) {
  SDL_Event event{};
  event.window.type = SDL_WINDOWEVENT;
  event.window.windowID = windowId;
  event.window.event = what;
  event.window.data1 = data1;
  event.window.data2 = data2;
  return event;
}

SDL_Event Button(Uint32 type, Uint8 button, Uint8 clicks = 1) {
  SDL_Event event{};
  event.button.type = type;
  event.button.windowID = kMain;
  event.button.button = button;
  event.button.clicks = clicks;
  event.button.x = 100;
  event.button.y = 100;
  return event;
}

struct Expected {
  MessageType type;
  std::uint32_t wParam = 0;
  std::uint32_t lParam = 0;
};

void ExpectMessages(const std::deque<Message>& got, const std::vector<Expected>& want) {
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(got[i].type, want[i].type);
    EXPECT_EQ(got[i].window, kMain);
    EXPECT_EQ(got[i].wParam, want[i].wParam);
    EXPECT_EQ(got[i].lParam, want[i].lParam);
  }
}

TEST(SdlEvents, KeysGiveKeyMessagesAndNeverCharacters) {
  struct Case {
    std::string name;
    SDL_Event event;
    std::vector<Expected> want;
  };
  const Case cases[] = {
      {"down", Key(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT), {{MessageType::kKeyDown, 37}}},
      {"up", Key(SDL_KEYUP, SDLK_LEFT, SDL_SCANCODE_LEFT), {{MessageType::kKeyUp, 37}}},
      {"repeat is another down",
       Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q, kMain, 1),
       {{MessageType::kKeyDown, 81}}},
      {"Enter gives no character of its own",
       Key(SDL_KEYDOWN, SDLK_RETURN, SDL_SCANCODE_RETURN),
       {{MessageType::kKeyDown, 13}}},
      {"no focus window: the main window",
       Key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A, 0),
       {{MessageType::kKeyDown, 65}}},
      {"Alt down", Key(SDL_KEYDOWN, SDLK_LALT, SDL_SCANCODE_LALT), {}},
      {"F10 up", Key(SDL_KEYUP, SDLK_F10, SDL_SCANCODE_F10), {}},
      {"unknown key", Key(SDL_KEYDOWN, SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK), {}},
      {"another program's window", Key(SDL_KEYDOWN, SDLK_a, SDL_SCANCODE_A, kOtherId), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectMessages(Translate(c.event), c.want);
  }
}

TEST(SdlEvents, TypedTextGivesOnePrintableAsciiByteEach) {
  struct Case {
    std::string name;
    const char* text;
    std::string want;
  };
  const Case cases[] = {
      {"one letter", "q", "q"},
      {"several at once, in order", "Hi!", "Hi!"},
      {"space and tilde are the ends of the range", " ~", " ~"},
      {"UTF-8 e-acute is no ASCII", "\xC3\xA9", ""},
      {"ASCII around a multi-byte character",
       "a\xE2\x82\xAC"
       "b",
       "ab"},
      {"control characters are left out", "\t\r\x1B\x7F", ""},
      {"nothing", "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<Expected> want;
    for (const char ch : c.want)
      want.push_back({MessageType::kChar, static_cast<unsigned char>(ch)});
    ExpectMessages(Translate(Text(c.text)), want);
  }
}

TEST(SdlEvents, TextFillingTheWholeEventBufferStaysInsideIt) {
  SDL_Event event = Text("");
  std::memset(event.text.text, 'x', sizeof(event.text.text));  // no terminating zero
  const std::deque<Message> out = Translate(event);
  EXPECT_EQ(out.size(), sizeof(event.text.text));
}

TEST(SdlEvents, PointerGivesPicturePositionsAndButtons) {
  FakeContext context;
  SDL_Event motion{};
  motion.motion.type = SDL_MOUSEMOTION;
  motion.motion.windowID = kMain;
  motion.motion.x = 30;
  motion.motion.y = 5;
  ExpectMessages(Translate(motion, context), {{MessageType::kMouseMove, 0, PackPoint(60, -10)}});
  EXPECT_EQ(context.lastWindow, kMain);

  struct Case {
    std::string name;
    SDL_Event event;
    std::vector<Expected> want;
  };
  const Case cases[] = {
      {"left down", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), {{MessageType::kLeftDown}}},
      {"left up", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT), {{MessageType::kLeftUp}}},
      {"right down", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT), {{MessageType::kRightDown}}},
      {"right up", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), {{MessageType::kRightUp}}},
      {"middle down", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), {{MessageType::kMiddleDown}}},
      {"middle up", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE), {{MessageType::kMiddleUp}}},
      {"second click of a double click is a plain down",
       Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 2),
       {{MessageType::kLeftDown}}},
      {"side button", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectMessages(Translate(c.event), c.want);
  }
}

TEST(SdlEvents, WindowEventsGiveLifecycleMessages) {
  struct Case {
    std::string name;
    SDL_Event event;
    std::vector<Expected> want;
  };
  const Case cases[] = {
      {"focus gained: activate, then focus",
       WindowEvent(SDL_WINDOWEVENT_FOCUS_GAINED),
       {{MessageType::kActivateApp, 1}, {MessageType::kSetFocus}}},
      {"focus lost: focus, then deactivate",
       WindowEvent(SDL_WINDOWEVENT_FOCUS_LOST),
       {{MessageType::kKillFocus}, {MessageType::kActivateApp, 0}}},
      {"moved",
       WindowEvent(SDL_WINDOWEVENT_MOVED, kMain, 112, 84),
       {{MessageType::kMove, 0, PackPoint(112, 84)}}},
      {"moved partly off the desktop",
       WindowEvent(SDL_WINDOWEVENT_MOVED, kMain, -8, -30),
       {{MessageType::kMove, 0, 0xFFE2FFF8u}}},
      {"close", WindowEvent(SDL_WINDOWEVENT_CLOSE), {{MessageType::kClose}}},
      {"exposed", WindowEvent(SDL_WINDOWEVENT_EXPOSED), {}},
      {"resized", WindowEvent(SDL_WINDOWEVENT_RESIZED, kMain, 640, 480), {}},
      {"another program's window", WindowEvent(SDL_WINDOWEVENT_CLOSE, kOtherId), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ExpectMessages(Translate(c.event), c.want);
  }
}

TEST(SdlEvents, QuitClosesTheMainWindowIfThereIsOne) {
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  ExpectMessages(Translate(quit), {{MessageType::kClose}});

  FakeContext noWindow;
  noWindow.main = 0;
  EXPECT_TRUE(Translate(quit, noWindow).empty());
}

}  // namespace
}  // namespace engine::platform::sdl
