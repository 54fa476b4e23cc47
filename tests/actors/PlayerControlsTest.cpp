// The performers' bindings: which held key or button drives each binding of each scheme, which
// typed characters ask what, and the help and the README read from the same table.
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "game/actors/PlayerControls.h"

namespace {

using game::actors::Binding;
using game::actors::FrameInput;
using game::actors::Held;
using game::actors::Typed;

constexpr Binding kHeldBindings[] = {Binding::kLeft, Binding::kRight, Binding::kMove1,
                                     Binding::kMove2, Binding::kMove3};

// The held bindings of a scheme that read as held in input, in the order of kHeldBindings.
std::vector<bool> HeldIn(const FrameInput& input, std::int32_t scheme) {
  std::vector<bool> held;
  for (const Binding b : kHeldBindings)
    held.push_back(Held(input, scheme, b));
  return held;
}

FrameInput Keys(std::initializer_list<std::uint8_t> codes, std::int32_t button = 0) {
  FrameInput input;
  for (const std::uint8_t code : codes)
    input.keys[code] = 1;
  input.mouseButton = button;
  return input;
}

TEST(PlayerControls, EachKeyDrivesOneBindingOfItsScheme) {
  struct Case {
    std::int32_t scheme;
    std::uint8_t key;
    Binding binding;
  };
  const Case cases[] = {
      {0, 37, Binding::kLeft},   {0, 39, Binding::kRight},  {0, 49, Binding::kMove1},
      {0, 50, Binding::kMove2},  {0, 51, Binding::kMove3},  {1, 78, Binding::kLeft},
      {1, 77, Binding::kRight},  {1, 49, Binding::kMove1},  {1, 50, Binding::kMove2},
      {1, 51, Binding::kMove3},  {2, 103, Binding::kMove1}, {2, 104, Binding::kMove2},
      {2, 105, Binding::kMove3},
  };
  for (const Case& c : cases) {
    std::vector<bool> expected(5, false);
    expected[static_cast<std::size_t>(c.binding)] = true;
    EXPECT_EQ(HeldIn(Keys({c.key}), c.scheme), expected)
        << "scheme " << c.scheme << " key " << int{c.key};
    EXPECT_EQ(HeldIn(Keys({}), c.scheme), std::vector<bool>(5, false));
  }
}

TEST(PlayerControls, SchemesKeepToTheirOwnKeysAndButtons) {
  const FrameInput arrowsAndNM = Keys({37, 39, 78, 77});
  EXPECT_EQ(HeldIn(arrowsAndNM, 0), (std::vector<bool>{true, true, false, false, false}));
  EXPECT_EQ(HeldIn(arrowsAndNM, 1), (std::vector<bool>{true, true, false, false, false}));
  EXPECT_EQ(HeldIn(arrowsAndNM, 2), std::vector<bool>(5, false));
  const FrameInput keypad = Keys({103, 104, 105});
  EXPECT_EQ(HeldIn(keypad, 0), std::vector<bool>(5, false));
  EXPECT_EQ(HeldIn(keypad, 1), std::vector<bool>(5, false));
  // Player 2 walks with the buttons: the code of the newest one; the middle one walks nowhere.
  EXPECT_EQ(HeldIn(Keys({}, 1), 2), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_EQ(HeldIn(Keys({}, 2), 2), (std::vector<bool>{false, true, false, false, false}));
  EXPECT_EQ(HeldIn(Keys({}, 16), 2), std::vector<bool>(5, false));
  EXPECT_EQ(HeldIn(Keys({}, 1), 0), std::vector<bool>(5, false));
  // Other numbers have no bindings.
  const FrameInput everything = Keys({37, 39, 49, 50, 51, 77, 78, 103, 104, 105}, 1);
  for (const std::int32_t n : {-1, 3, 256})
    EXPECT_EQ(HeldIn(everything, n), std::vector<bool>(5, false)) << n;
}

TEST(PlayerControls, TypedCharactersOfEachScheme) {
  struct Case {
    Binding binding;
    const char* bySchemes;  // the character of schemes 0, 1, 2; a space for none
  };
  const Case cases[] = {{Binding::kFollow, "qq4"},
                        {Binding::kDance, "rr5"},
                        {Binding::kBuyLesson, "bb6"},
                        {Binding::kPush, " s+"},
                        {Binding::kPause, "ppp"}};
  for (const Case& c : cases) {
    for (std::int32_t scheme = 0; scheme < 3; ++scheme) {
      for (const char key : std::string("qr4b56s+pQ")) {
        EXPECT_EQ(Typed(scheme, c.binding, key), key == c.bySchemes[scheme])
            << "scheme " << scheme << " key " << key;
      }
    }
    EXPECT_FALSE(Typed(3, c.binding, 'p'));
    EXPECT_FALSE(Typed(0, c.binding, 0));
  }
}

// A pad plays through the keyboard's bindings: each button of a scheme's layout, given as the
// keyboard or mouse would, asks for the one binding the pad table names, and nothing else.
TEST(PlayerControls, EachPadButtonDrivesItsBindingInEveryScheme) {
  using engine::platform::PadAction;
  using engine::platform::PadButton;
  constexpr std::pair<PadButton, Binding> kPad[] = {
      {PadButton::kLeft, Binding::kLeft},
      {PadButton::kRight, Binding::kRight},
      {PadButton::kA, Binding::kMove1},
      {PadButton::kB, Binding::kMove2},
      {PadButton::kX, Binding::kMove3},
      {PadButton::kY, Binding::kFollow},
      {PadButton::kRightShoulder, Binding::kDance},
      {PadButton::kLeftShoulder, Binding::kBuyLesson},
      {PadButton::kRightTrigger, Binding::kPush},
      {PadButton::kStart, Binding::kPause},
  };
  for (std::int32_t scheme = 0; scheme < game::actors::kSchemeCount; ++scheme) {
    const engine::platform::PadLayout layout = game::actors::PadLayout(scheme);
    for (std::size_t b = 0; b < engine::platform::kPadButtonCount; ++b) {
      const PadAction& action = layout[b];
      FrameInput input;
      if (action.kind == PadAction::Kind::kKey)
        input.keys[static_cast<std::size_t>(action.code)] = 1;
      if (action.kind == PadAction::Kind::kMouseButton) input.mouseButton = action.code;
      if (action.kind == PadAction::Kind::kCharacter)
        input.typed = static_cast<std::int8_t>(action.code);
      for (std::uint8_t n = 0; n <= static_cast<std::uint8_t>(Binding::kPause); ++n) {
        const auto binding = static_cast<Binding>(n);
        bool wanted = false;
        for (const auto& [button, bound] : kPad)
          wanted |= static_cast<std::size_t>(button) == b && bound == binding;
        // The single player has nobody to push.
        if (scheme == 0 && binding == Binding::kPush) wanted = false;
        EXPECT_EQ(Held(input, scheme, binding) || Typed(scheme, binding, input.typed), wanted)
            << "scheme " << scheme << " pad button " << b << " binding " << int{n};
      }
    }
  }
}

// The README's controls are the table's, between its two markers.
TEST(PlayerControls, TheReadmeShowsTheTable) {
  std::ifstream in(CURBSIDE_README);
  std::stringstream text;
  text << in.rdbuf();
  const std::string readme = text.str();
  const std::string begin = "<!-- controls: from game/actors/PlayerControls.cpp -->\n";
  const std::string end = "<!-- end of controls -->";
  const std::size_t from = readme.find(begin), to = readme.find(end);
  ASSERT_NE(from, std::string::npos);
  ASSERT_NE(to, std::string::npos);
  EXPECT_EQ(readme.substr(from + begin.size(), to - from - begin.size()),
            "\n" + game::actors::ControlsMarkdown() + "\n");
}

}  // namespace
