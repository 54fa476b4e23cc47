// RulesPanel.h -- one rules page being written: the opaque panel with its title band, and a
// cursor that sets paragraphs and rows of keys down the page and checks that they fit.
#pragma once

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>
#include <string_view>

#include "engine/graphics/Font.h"
#include "tools/assetgen/Canvas.h"
#include "tools/assetgen/TextLayout.h"

namespace tools::assetgen::scenery {

class RulesPanel {
 public:
  static constexpr int kWidth = 600;
  static constexpr int kHeight = 450;
  static constexpr int kMargin = 26;
  static constexpr int kBodyTop = 72;

  RulesPanel(int number, std::string_view title);

  Canvas& canvas() { return canvas_; }
  int Cursor() const { return cursor_; }
  void MoveTo(int y) { cursor_ = y; }
  void Skip(int dy) { cursor_ += dy; }

  // Wrapped body text between columns left and right, from the cursor down; "*" marks bold
  // words (TextLayout.h). The cursor ends a small gap below it.
  void Paragraph(std::string_view text, int left = kMargin, int right = kWidth - kMargin);
  // Key caps at the left, their meaning wrapped beside them from column textLeft.
  void KeyRow(std::initializer_list<std::string_view> keys, std::string_view text,
              int textLeft = 170);
  // One key cap with its top-left at (x, y); returns its width. "<" and ">" are drawn as arrow
  // keys.
  int KeyCap(int x, int y, std::string_view label);
  // The width a run of key caps takes, gaps included.
  int KeysWidth(std::initializer_list<std::string_view> keys);

  // Keeps the text above row y, for a picture drawn below it.
  void KeepTextAbove(int y) { limit_ = std::min(limit_, y); }

  // The finished page with hard alpha. Throws std::runtime_error when the text ran past the
  // bottom margin or into a picture kept below it, so an overlong page stops the build.
  Canvas Finish();

  static constexpr int kKeyHeight = 24;

 private:
  int number_;
  Canvas canvas_;
  int cursor_ = kBodyTop;
  int limit_ = kHeight - kMargin;
  std::unique_ptr<engine::graphics::Font> regular_, bold_, title_, key_;
  TextStyle body_;
};

}  // namespace tools::assetgen::scenery
