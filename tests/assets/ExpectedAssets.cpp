// ExpectedAssets.cpp -- the game's asset names with their numbered groups expanded, the uses
// the game loads them with, and the sizes their places on screen allow.
#include "tests/assets/ExpectedAssets.h"

#include <cstdio>
#include <string>

namespace tests::assets {

namespace {

constexpr SizeRange Exactly(int width, int height) {
  return {width, width, height, height};
}
constexpr SizeRange UpTo(int width, int height) {
  return {1, width, 1, height};
}

constexpr bool kPlain = true, kMasked = true, kFigure = true;

// A name made as the game makes it, by formatting a pattern with a number.
std::string Numbered(const std::string& pattern, int number) {
  char name[100];
  std::snprintf(name, sizeof name, pattern.c_str(), number);
  return name;
}

class List {
 public:
  void Add(std::string name, bool plain, bool masked, SizeRange size, bool figure = false) {
    pictures.push_back({std::move(name), plain, masked, size, figure});
  }
  // An actor's frame group: count masked 100 x 100 pictures from a "%03d" pattern.
  void Frames(const std::string& pattern, int count) {
    for (int i = 0; i < count; ++i) {
      Add(Numbered(pattern, i), !kPlain, kMasked, Exactly(100, 100), kFigure);
    }
  }
  std::vector<ExpectedPicture> pictures;
};

void Shell(List& list) {
  list.Add("Images\\backgrounds\\intro-bg.tif", kPlain, !kMasked, Exactly(800, 600));
  list.Add("Images\\backgrounds\\rules-bg.tif", kPlain, !kMasked, Exactly(800, 600));
  // Pages are drawn at (100, 100), the page buttons at y 560.
  for (int page = 1; page <= 10; ++page) {
    list.Add(Numbered("Images\\rules\\rules%d.tif", page), !kPlain, kMasked, UpTo(600, 450));
  }
  list.Add("Images\\inter-prev.tif", kPlain, !kMasked, Exactly(25, 25));
  list.Add("Images\\inter-next.tif", kPlain, !kMasked, Exactly(25, 25));
}

// Both street modes; where one picture has two uses, it is listed once with both.
void Streets(List& list) {
  list.Add("Images\\item-cash.tif", !kPlain, kMasked, {10, 30, 10, 30}, kFigure);
  for (int kind = 1; kind <= 4; ++kind) {
    const std::string k = std::to_string(kind);
    list.Add("Images\\Bypasser\\Normal" + k + "\\normal" + k + "-portrait.tif", kPlain, !kMasked,
             Exactly(25, 25));
  }
  for (const char* colour : {"green", "yellow", "red"}) {
    list.Add(std::string("Images\\traffic-") + colour + ".tif", !kPlain, kMasked, Exactly(50, 100));
  }
  // Plain in the single-player street, masked in the two-player street.
  list.Add("Images\\inter-again.tif", kPlain, kMasked, UpTo(500, 100));
  // Drawn at (250, 175) and (250, 200).
  list.Add("Images\\inter-loading.tif", !kPlain, kMasked, UpTo(550, 425));
  list.Add("Images\\inter-lose.tif", !kPlain, kMasked, UpTo(550, 400));
  list.Add("Images\\inter-bottom.tif", kPlain, !kMasked, Exactly(800, 50));
  list.Add("Images\\Player\\player-portrait.tif", kPlain, !kMasked, Exactly(100, 100));
  // 50 below the top of a view, which is 300 tall in the two-player street.
  list.Add("Images\\inter-pause.tif", !kPlain, kMasked, UpTo(500, 250));
  // 20 below the top of a view, to the right of the cash symbol.
  list.Add("Images\\inter-dance.tif", !kPlain, kMasked, UpTo(760, 280));
  list.Add("Images\\inter-gameover.tif", !kPlain, kMasked, UpTo(500, 100));
  list.Add("Images\\Numbers\\cash-symbol.tif", kPlain, !kMasked, Exactly(25, 25));
  for (int digit = 0; digit <= 9; ++digit) {
    list.Add(Numbered("Images\\Numbers\\cash-%d.tif", digit), kPlain, !kMasked, Exactly(25, 25));
  }
  // The hands are turned about the centre of a 50 x 50 picture.
  list.Add("Images\\inter-clock.tif", !kPlain, kMasked, Exactly(50, 50), kFigure);
  list.Add("Images\\inter-clocklonghand.tif", !kPlain, kMasked, Exactly(50, 50), kFigure);
  list.Add("Images\\inter-clockshorthand.tif", !kPlain, kMasked, Exactly(50, 50), kFigure);
  // The street is drawn below the 50-pixel top bar, the two-player street once per half.
  list.Add("Images\\backgrounds\\battle-bg.tif", kPlain, !kMasked, Exactly(2300, 500));
  list.Add("Images\\backgrounds\\battle2-bg.tif", kPlain, !kMasked, Exactly(2300, 300));
  list.Add("Images\\inter-ability.tif", !kPlain, kMasked, Exactly(20, 20));
  // Loaded by the two-player street and never drawn.
  list.Add("Images\\intro-Bstart.tif", kPlain, !kMasked, UpTo(800, 600));
  list.Add("Images\\inter-player1win.tif", !kPlain, kMasked, UpTo(500, 100));
  list.Add("Images\\inter-player2win.tif", !kPlain, kMasked, UpTo(500, 100));
}

void Bypassers(List& list) {
  // The meter holds up to 50 one-unit ticks, 4 tall, drawn one unit below its top.
  list.Add("Images\\Bypasser\\normal-performmeter.tif", kPlain, !kMasked, {50, 60, 5, 8});
  list.Add("Images\\Bypasser\\normal-performtick.tif", kPlain, !kMasked, Exactly(1, 4));
  for (int kind = 1; kind <= 4; ++kind) {
    const std::string k = std::to_string(kind);
    const std::string prefix = "Images\\Bypasser\\Normal" + k + "\\normal" + k;
    list.Frames(prefix + "-watch%03d.tif", 3);
    list.Frames(prefix + "-moveleft%03d.tif", 4);
    list.Frames(prefix + "-moveright%03d.tif", 4);
    list.Frames(prefix + "-payleft%03d.tif", 4);
    list.Frames(prefix + "-payright%03d.tif", 4);
  }
  list.Frames("Images\\Bypasser\\Thief\\thief-moveleft%03d.tif", 4);
  list.Frames("Images\\Bypasser\\Thief\\thief-moveright%03d.tif", 4);
  list.Frames("Images\\Bypasser\\Thief\\thief-runleft%03d.tif", 4);
  list.Frames("Images\\Bypasser\\Thief\\thief-runright%03d.tif", 4);
  list.Frames("Images\\Bypasser\\Hobo\\hobo-teach%03d.tif", 6);
  list.Frames("Images\\Bypasser\\Hobo\\hobo-moveleft%03d.tif", 4);
  list.Frames("Images\\Bypasser\\Hobo\\hobo-moveright%03d.tif", 4);
  for (int price : {1000, 1500, 2000, 2500, 3000}) {
    list.Add(Numbered("Images\\Bypasser\\Hobo\\hobo-price%d.tif", price), !kPlain, kMasked,
             {30, 75, 15, 45});
  }
}

void Performer(List& list) {
  list.Add("Images\\inter-number1.tif", !kPlain, kMasked, {10, 30, 10, 30}, kFigure);
  list.Add("Images\\inter-number2.tif", !kPlain, kMasked, {10, 30, 10, 30}, kFigure);
  // The stand group is also the dance-ready group, and the three dance moves share the
  // danceone groups: each file once here.
  list.Frames("Images\\Player\\player-stand%03d.tif", 3);
  list.Frames("Images\\Player\\player-moveleft%03d.tif", 4);
  list.Frames("Images\\Player\\player-moveright%03d.tif", 4);
  list.Frames("Images\\Player\\player-fallleft%03d.tif", 12);
  list.Frames("Images\\Player\\player-fallright%03d.tif", 12);
  for (const char* act : {"beg", "sing", "rabbit"}) {
    for (const char* side : {"left", "right", "leftloop", "rightloop"}) {
      list.Frames(std::string("Images\\Player\\player-") + act + side + "%03d.tif", 4);
    }
  }
  list.Frames("Images\\Player\\player-danceone%03d.tif", 3);
  list.Frames("Images\\Player\\player-danceoneloop%03d.tif", 3);
  list.Frames("Images\\Player\\player-pushleft%03d.tif", 4);
  list.Frames("Images\\Player\\player-pushright%03d.tif", 4);
}

}  // namespace

const std::vector<ExpectedPicture>& ExpectedPictures() {
  static const std::vector<ExpectedPicture> pictures = [] {
    List list;
    Shell(list);
    Streets(list);
    Bypassers(list);
    Performer(list);
    return list.pictures;
  }();
  return pictures;
}

const std::vector<std::string>& ExpectedSounds() {
  static const std::vector<std::string> sounds = {
      "Sounds\\bgsound.wav", "Sounds\\cash.wav",  "Sounds\\wrong.wav", "Sounds\\gong.wav",
      "Sounds\\spin.wav",    "Sounds\\steal.wav", "Sounds\\thump.wav"};
  return sounds;
}

}  // namespace tests::assets
