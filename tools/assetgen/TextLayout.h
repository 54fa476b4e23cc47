// TextLayout.h -- words on pictures: the DejaVu faces the set is lettered in, and paragraphs
// broken into lines that fit a given width, with bold words marked in the text.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "engine/graphics/Font.h"
#include "tools/assetgen/Canvas.h"

namespace tools::assetgen {

inline constexpr const char* kSansPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
inline constexpr const char* kSansBoldPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";

// A face at a pixel size, loaded at once. Throws std::runtime_error when it cannot be read, so
// a missing font stops the build instead of leaving pictures without their words.
std::unique_ptr<engine::graphics::Font> LoadFont(const char* path, int pixelSize);

// One word set on a line: its letters without markup, its face, and its offset from the start
// of the line.
struct PlacedWord {
  std::string text;
  bool bold = false;
  int x = 0;
};
using TextLine = std::vector<PlacedWord>;

// Breaks text into lines no wider than width. Spaces separate words and "\n" ends a line; a
// word wider than width on its own stays whole on a line of its own. A '*' opening a word
// switches to the bold face and a '*' closing one (before any trailing punctuation) switches
// back, so in "*two words*, then" both words are bold. The text is Latin-1.
std::vector<TextLine> WrapText(engine::graphics::Font& regular, engine::graphics::Font& bold,
                               std::string_view text, int width);

// The width a wrapped line takes.
int LineWidth(engine::graphics::Font& regular, engine::graphics::Font& bold, const TextLine& line);

struct TextStyle {
  engine::graphics::Font* regular = nullptr;
  engine::graphics::Font* bold = nullptr;
  Rgba colour;
  Rgba boldColour;
  int lineHeight = 20;
};

// Draws text wrapped to width from (x, y), lines lineHeight apart; returns the row below the
// last line.
int DrawWrapped(Canvas& canvas, const TextStyle& style, int x, int y, int width,
                std::string_view text);

}  // namespace tools::assetgen
