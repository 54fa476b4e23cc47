// RulesPanel.cpp -- the rules page's paper panel, its title band, body text and key caps.
#include "tools/assetgen/RulesPanel.h"

#include <algorithm>
#include <array>
#include <stdexcept>

#include "tools/assetgen/Palette.h"

namespace tools::assetgen::scenery {

namespace {

using namespace palette;

constexpr int kRadius = 16;
constexpr int kBandBottom = 54;

// True when pixel (x, y) lies inside a w x h rectangle at (inset, inset) with corners of
// radius r.
bool InsideRounded(int x, int y, int inset, int w, int h, int r) {
  const float px = x + 0.5f, py = y + 0.5f;
  const float left = static_cast<float>(inset), top = static_cast<float>(inset);
  const float right = static_cast<float>(inset + w), bottom = static_cast<float>(inset + h);
  if (px < left || py < top || px > right || py > bottom) return false;
  const float cx = std::clamp(px, left + r, right - r);
  const float cy = std::clamp(py, top + r, bottom - r);
  return (px - cx) * (px - cx) + (py - cy) * (py - cy) <= static_cast<float>(r * r);
}

}  // namespace

RulesPanel::RulesPanel(int number, std::string_view title)
    : number_(number),
      canvas_(kWidth, kHeight),
      regular_(LoadFont(kSansPath, 16)),
      bold_(LoadFont(kSansBoldPath, 16)),
      title_(LoadFont(kSansBoldPath, 22)),
      key_(LoadFont(kSansBoldPath, 13)) {
  body_ = {regular_.get(), bold_.get(), kInk, Darker(kBrick, 0.15f), 20};
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      Rgba c{0, 0, 0, 0};
      if (InsideRounded(x, y, 0, kWidth, kHeight, kRadius)) c = kInk;
      if (InsideRounded(x, y, 3, kWidth - 6, kHeight - 6, kRadius - 3)) c = kGold;
      if (InsideRounded(x, y, 6, kWidth - 12, kHeight - 12, kRadius - 6)) {
        c = y < kBandBottom ? kNightBlue : kCream;
      }
      canvas_.Set(x, y, c);
    }
  }
  canvas_.FillRect(6, kBandBottom, kWidth - 12, 2, kGold);
  canvas_.FillRect(6, kBandBottom + 2, kWidth - 12, 1, Darker(kGold, 0.4f));
  const std::string count = std::to_string(number) + "/10";
  const int ty = (kBandBottom - title_->LineHeight()) / 2 + 3;
  const int w = canvas_.Text(*title_, kMargin, ty, count, kCream);
  canvas_.Text(*title_, kMargin + w + 18, ty, title, kGold);
}

void RulesPanel::Paragraph(std::string_view text, int left, int right) {
  cursor_ = DrawWrapped(canvas_, body_, left, cursor_, right - left, text) + 8;
}

int RulesPanel::KeysWidth(std::initializer_list<std::string_view> keys) {
  int width = 0;
  for (std::string_view key : keys) {
    width += std::max(kKeyHeight + 2, Canvas::TextWidth(*key_, key) + 14) + 6;
  }
  return keys.size() == 0 ? 0 : width - 6;
}

int RulesPanel::KeyCap(int x, int y, std::string_view label) {
  const int w = std::max(kKeyHeight + 2, Canvas::TextWidth(*key_, label) + 14);
  const int h = kKeyHeight;
  canvas_.FillRect(x + 1, y, w - 2, h, kInk);
  canvas_.FillRect(x, y + 1, w, h - 2, kInk);
  canvas_.FillRect(x + 1, y + 1, w - 2, h - 2, kStoneDark);
  canvas_.FillRect(x + 2, y + 1, w - 4, h - 6, Lighter(kStone, 0.55f));
  canvas_.FillRect(x + 2, y + 1, w - 4, 1, kCream);
  const float cx = x + w / 2.0f, cy = y + (h - 4) / 2.0f;
  if (label == "<" || label == ">") {
    const float d = label == "<" ? -1.0f : 1.0f;
    canvas_.FillPolygon(
        std::array<PointF, 3>{PointF{cx + 6 * d, cy}, {cx - 5 * d, cy - 6}, {cx - 5 * d, cy + 6}},
        kInk);
  } else {
    canvas_.TextCentred(*key_, x + w / 2, y + (h - 4 - key_->LineHeight()) / 2 + 1, label, kInk);
  }
  return w;
}

void RulesPanel::KeyRow(std::initializer_list<std::string_view> keys, std::string_view text,
                        int textLeft) {
  int x = kMargin;
  for (std::string_view key : keys)
    x += KeyCap(x, cursor_, key) + 6;
  const int below =
      DrawWrapped(canvas_, body_, textLeft, cursor_ + 2, kWidth - kMargin - textLeft, text);
  cursor_ = std::max(cursor_ + kKeyHeight, below) + 9;
}

Canvas RulesPanel::Finish() {
  // The cursor stands a paragraph's gap below the last line.
  const int over = cursor_ - 8 - limit_;
  if (over > 0) {
    throw std::runtime_error("assetgen: the text of rules page " + std::to_string(number_) +
                             " runs " + std::to_string(over) + " rows too far down");
  }
  canvas_.HardenAlpha();
  canvas_.AvoidPureBlack();
  return std::move(canvas_);
}

}  // namespace tools::assetgen::scenery
