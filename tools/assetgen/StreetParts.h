// StreetParts.h -- the row of buildings along the street and the painters of their parts,
// shared by the street, its shop fronts and the title screen.
#pragma once

#include <cstdint>
#include <span>

#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/Scenery.h"

namespace tools::assetgen::scenery {

enum class Wall { kBrick, kBrickDark, kStone, kPlaster };

enum class Shop {
  kAlley,
  kBakery,
  kBank,
  kBarber,
  kBooks,
  kCafe,
  kCinema,
  kFlats,
  kFlowers,
  kGrocer,
  kPizza,
  kRecords,
  kTailor,
};

struct Building {
  int x = 0;  // street position of the left side
  int width = 0;
  Wall wall = Wall::kBrick;
  Rgba plaster;     // wall colour of a plastered front
  int storeys = 1;  // upper floors above the shop
  Shop shop = Shop::kFlats;
  const char* name = "";  // on the name board; empty for none
  Rgba sign;              // name board colour
  Rgba awning;            // stripes of the awning; alpha 0 for none
};

// The buildings from the street's left end to its right end, without gaps.
std::span<const Building> StreetBuildings();

// The street with a row of buildings and lamp posts of its own (street positions), for a
// picture that arranges its stretch of street itself; PaintStreet(layout) paints the street's
// own row.
Canvas PaintStreet(const StreetLayout& layout, std::span<const Building> buildings,
                   std::span<const int> lampPosts);

// Rows where a building's parts begin, from the layout.
struct Storeys {
  int groundTop;  // top of the shop windows and doors
  int fasciaTop;  // top of the name board
  int roof;       // top of the front
};
Storeys StoreysOf(const StreetLayout& layout, const Building& b);

// A building's front from its roof down to the name board, its left side at picture column
// left; then its ground floor.
void PaintFront(Canvas& canvas, const StreetLayout& layout, const Building& b, int left);
void PaintShopfront(Canvas& canvas, const StreetLayout& layout, const Building& b, int left);

// The goods behind a shop's window, inside its glass; seed varies them from shop to shop.
void PaintDisplay(Canvas& canvas, Shop shop, int x, int y, int w, int h, std::uint32_t seed);

// The colour of a brick wall at a column and a row counted up from its foot: courses of
// bricks 16 wide and 6 high in stretcher bond, each brick shaded by the seed.
Rgba BrickAt(int column, int row, Rgba base, int seed);

// Small shared pieces.
void PaintWindowPane(Canvas& canvas, int x, int y, int w, int h, bool lit, Rgba curtain);
void PaintLampPost(Canvas& canvas, int x, int foot, int height);

}  // namespace tools::assetgen::scenery
