// ContactSheet.cpp -- pictures shrunk into cells over a checkerboard, names beneath.
#include "tools/assetgen/ContactSheet.h"

#include <algorithm>

#include "engine/graphics/Font.h"

namespace tools::assetgen {

namespace {

constexpr int kCellWidth = 240, kCellHeight = 170, kPicture = 140, kColumns = 8;

// Nearest-neighbour shrink to fit size x size, never enlarged past twice its size.
Canvas Thumbnail(const Canvas& picture) {
  const float scale = std::min({static_cast<float>(kCellWidth - 10) / std::max(picture.Width(), 1),
                                static_cast<float>(kPicture) / std::max(picture.Height(), 1), 2.0f});
  const int w = std::max(1, static_cast<int>(picture.Width() * scale));
  const int h = std::max(1, static_cast<int>(picture.Height() * scale));
  Canvas thumb(w, h);
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      thumb.Set(x, y, picture.Get(static_cast<int>(x / scale), static_cast<int>(y / scale)));
    }
  }
  return thumb;
}

}  // namespace

Canvas MakeContactSheet(const std::vector<std::pair<std::string, Canvas>>& pictures) {
  const int rows = (static_cast<int>(pictures.size()) + kColumns - 1) / kColumns;
  Canvas sheet(kColumns * kCellWidth, std::max(rows, 1) * kCellHeight, {40, 40, 48, 255});
  engine::graphics::Font font(engine::graphics::Font::kDefaultPath, 11);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const int cx = static_cast<int>(i % kColumns) * kCellWidth;
    const int cy = static_cast<int>(i / kColumns) * kCellHeight;
    const Canvas thumb = Thumbnail(pictures[i].second);
    const int tx = cx + (kCellWidth - thumb.Width()) / 2, ty = cy + 5;
    // A checkerboard shows where a picture is transparent.
    for (int y = 0; y < thumb.Height(); ++y) {
      for (int x = 0; x < thumb.Width(); ++x) {
        const bool light = ((x / 6) + (y / 6)) % 2 == 0;
        sheet.Set(tx + x, ty + y, light ? Rgba{200, 200, 200, 255} : Rgba{150, 150, 150, 255});
      }
    }
    sheet.Draw(thumb, tx, ty);
    std::string label = pictures[i].first;
    if (const std::size_t slash = label.rfind('\\'); slash != std::string::npos) {
      label = label.substr(slash + 1);
    }
    label += " " + std::to_string(pictures[i].second.Width()) + "x" +
             std::to_string(pictures[i].second.Height());
    sheet.TextCentred(font, cx + kCellWidth / 2, cy + kPicture + 10, label, {255, 255, 255, 255});
  }
  return sheet;
}

}  // namespace tools::assetgen
