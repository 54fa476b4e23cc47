// ExpectedAssets.h -- every picture and sound the game loads, by the name it loads it under,
// with the drawing operations that use each picture and the size its place on screen allows.
// Written out from the game's loading code and screen layout, independently of the generator.
#pragma once

#include <string>
#include <vector>

namespace tests::assets {

// Width and height limits, inclusive; equal limits fix the size.
struct SizeRange {
  int minWidth, maxWidth, minHeight, maxHeight;
};

struct ExpectedPicture {
  std::string name;  // as the game writes it, with backslashes
  bool plain;        // loaded somewhere with DRAW_PLAIN
  bool masked;       // loaded somewhere with DRAW_MASKED
  SizeRange size;
  // A figure cut out of a transparent ground (an actor, a coin, the clock): its corners are
  // transparent.
  bool figure;
};

const std::vector<ExpectedPicture>& ExpectedPictures();
const std::vector<std::string>& ExpectedSounds();

}  // namespace tests::assets
