// Font.cpp -- FreeType behind Font: the library and face, and glyphs rendered as 8-bit
// coverage.
#include "engine/graphics/Font.h"

#include <ft2build.h>

#include <cstdlib>
#include <utility>
#include FT_FREETYPE_H

namespace engine::graphics {

// The library and the face live and die together.
struct Font::Face {
  FT_Library library = nullptr;
  FT_Face face = nullptr;

  ~Face() {
    if (face != nullptr) FT_Done_Face(face);
    if (library != nullptr) FT_Done_FreeType(library);
  }
};

namespace {

// Rounds a 26.6 fixed-point distance up to whole pixels.
int CeilPixels(FT_Pos value) {
  return static_cast<int>((value + 63) >> 6);
}

// Copies the rendered bitmap of the face's current glyph as 8-bit coverage.
void CopyBitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
  glyph.width = static_cast<std::int32_t>(bitmap.width);
  glyph.height = static_cast<std::int32_t>(bitmap.rows);
  glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
  const int step = std::abs(bitmap.pitch);
  for (int row = 0; row < glyph.height; ++row) {
    // A negative pitch stores the rows bottom to top.
    const int stored = bitmap.pitch >= 0 ? row : glyph.height - 1 - row;
    const unsigned char* in = bitmap.buffer + static_cast<std::ptrdiff_t>(stored) * step;
    std::uint8_t* out = glyph.coverage.data() + static_cast<std::size_t>(row) * glyph.width;
    for (int col = 0; col < glyph.width; ++col) {
      if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
        out[col] = (in[col >> 3] & (0x80 >> (col & 7))) != 0 ? 255 : 0;
      } else {
        out[col] = in[col];
      }
    }
  }
}

}  // namespace

Font::Font(std::string path, int pixelSize) : path_(std::move(path)), pixelSize_(pixelSize) {}

Font::~Font() = default;

bool Font::Load() {
  if (face_ != nullptr) return true;
  auto face = std::make_unique<Face>();
  if (FT_Init_FreeType(&face->library) != 0) return false;
  if (FT_New_Face(face->library, path_.c_str(), 0, &face->face) != 0) return false;
  if (FT_Set_Pixel_Sizes(face->face, 0, static_cast<FT_UInt>(pixelSize_)) != 0) return false;
  face_ = std::move(face);
  return true;
}

void Font::Reset(std::string path, int pixelSize) {
  for (auto& glyph : glyphs_)
    glyph.reset();
  face_.reset();
  path_ = std::move(path);
  pixelSize_ = pixelSize;
}

int Font::Ascent() const {
  return face_ != nullptr ? CeilPixels(face_->face->size->metrics.ascender) : 0;
}

int Font::LineHeight() const {
  return face_ != nullptr ? CeilPixels(face_->face->size->metrics.height) : 0;
}

const Glyph& Font::GlyphFor(unsigned char c) {
  static const Glyph kNone;
  if (face_ == nullptr) return kNone;
  std::unique_ptr<Glyph>& slot = glyphs_[c];
  if (slot != nullptr) return *slot;
  slot = std::make_unique<Glyph>();
  FT_Face face = face_->face;
  if (FT_Load_Char(face, c, FT_LOAD_RENDER) == 0) {
    const FT_GlyphSlot rendered = face->glyph;
    if (rendered->bitmap.pixel_mode == FT_PIXEL_MODE_GRAY ||
        rendered->bitmap.pixel_mode == FT_PIXEL_MODE_MONO) {
      CopyBitmap(rendered->bitmap, *slot);
    }
    slot->left = rendered->bitmap_left;
    slot->top = rendered->bitmap_top;
    slot->advance = static_cast<std::int32_t>((rendered->advance.x + 32) >> 6);
  }
  return *slot;
}

Font& TextFont() {
  static Font font;
  return font;
}

}  // namespace engine::graphics
