// TextLayout.cpp -- loading the lettering faces and greedy word wrapping with bold words.
#include "tools/assetgen/TextLayout.h"

#include <algorithm>
#include <stdexcept>

namespace tools::assetgen {

std::unique_ptr<engine::graphics::Font> LoadFont(const char* path, int pixelSize) {
  auto font = std::make_unique<engine::graphics::Font>(path, pixelSize);
  if (!font->Load()) throw std::runtime_error(std::string("assetgen: cannot load font ") + path);
  return font;
}

std::vector<TextLine> WrapText(engine::graphics::Font& regular, engine::graphics::Font& bold,
                               std::string_view text, int width) {
  std::vector<TextLine> lines;
  const int space = Canvas::TextWidth(regular, " ");
  bool inBold = false;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find('\n', start), text.size());
    const std::string_view paragraph = text.substr(start, end - start);
    TextLine line;
    int lineWidth = 0;
    std::size_t pos = 0;
    while (pos < paragraph.size()) {
      if (paragraph[pos] == ' ') {
        ++pos;
        continue;
      }
      const std::size_t stop = std::min(paragraph.find(' ', pos), paragraph.size());
      std::string_view word = paragraph.substr(pos, stop - pos);
      pos = stop;
      if (word.front() == '*') {
        inBold = true;
        word.remove_prefix(1);
      }
      // A closing '*' may stand before trailing punctuation: "*sing*," is bold up to the comma.
      std::string letters(word);
      const std::size_t star = letters.rfind('*');
      const bool closes = star != std::string::npos &&
                          letters.find_first_not_of(".,;:!?)", star + 1) == std::string::npos;
      if (closes) letters.erase(star, 1);
      PlacedWord placed{std::move(letters), inBold, 0};
      if (closes) inBold = false;
      if (placed.text.empty()) continue;
      const int wordWidth = Canvas::TextWidth(placed.bold ? bold : regular, placed.text);
      if (!line.empty() && lineWidth + space + wordWidth > width) {
        lines.push_back(std::move(line));
        line.clear();
        lineWidth = 0;
      }
      if (!line.empty()) lineWidth += space;
      placed.x = lineWidth;
      lineWidth += wordWidth;
      line.push_back(std::move(placed));
    }
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

int LineWidth(engine::graphics::Font& regular, engine::graphics::Font& bold, const TextLine& line) {
  if (line.empty()) return 0;
  const PlacedWord& last = line.back();
  return last.x + Canvas::TextWidth(last.bold ? bold : regular, last.text);
}

int DrawWrapped(Canvas& canvas, const TextStyle& style, int x, int y, int width,
                std::string_view text) {
  for (const TextLine& line : WrapText(*style.regular, *style.bold, text, width)) {
    for (const PlacedWord& word : line) {
      canvas.Text(word.bold ? *style.bold : *style.regular, x + word.x, y, word.text,
                  word.bold ? style.boldColour : style.colour);
    }
    y += style.lineHeight;
  }
  return y;
}

}  // namespace tools::assetgen
