// Font.h -- the face that DrawText renders with: DejaVu Sans through FreeType, loaded on first
// use and kept until the program ends. FreeType's headers stay inside Font.cpp.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace engine::graphics {

// One character's coverage, rendered once and kept: width x height bytes, rows top to bottom,
// 0 (untouched) to 255 (full ink). Its top-left pixel goes to (pen + left, baseline - top);
// the pen then moves right by advance.
struct Glyph {
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t advance = 0;
  std::vector<std::uint8_t> coverage;
};

class Font {
 public:
  static constexpr const char* kDefaultPath = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
  // Pixels per em. DejaVu Sans at 14 has lines 16 pixels apart, an ascent of 13 and capitals
  // 10 high, about what a desktop's system font shows.
  static constexpr int kDefaultPixelSize = 14;

  explicit Font(std::string path = kDefaultPath, int pixelSize = kDefaultPixelSize);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;

  // Loads the face unless it is loaded already; false when the file cannot be read as a font
  // at that size. A failed load is tried again at the next call.
  bool Load();
  bool IsLoaded() const { return face_ != nullptr; }
  // Forgets the face and every rendered glyph; the next Load reads path.
  void Reset(std::string path, int pixelSize = kDefaultPixelSize);

  // From the top of a line to its baseline, and from one baseline to the next, in pixels;
  // 0 until the face is loaded.
  int Ascent() const;
  int LineHeight() const;
  // The glyph of a character, the byte read as Latin-1; rendered at its first use. A
  // character the face cannot render, and every character before the face is loaded, has no
  // pixels and no advance.
  const Glyph& GlyphFor(unsigned char c);

 private:
  struct Face;
  std::string path_;
  int pixelSize_;
  std::unique_ptr<Face> face_;
  std::array<std::unique_ptr<Glyph>, 256> glyphs_;
};

// The font DrawText uses; created at its first use and released at program exit.
Font& TextFont();

}  // namespace engine::graphics
