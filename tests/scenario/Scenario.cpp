// Scenario.cpp -- one headless run of the executable, its trace and its screenshots.
#include "tests/scenario/Scenario.h"

#include <sys/wait.h>

#include <cstdlib>
#include <stdexcept>

#include "engine/graphics/ImageFile.h"

namespace tests::scenario {

using engine::graphics::Image;

Trace::Trace(std::string_view text) {
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    lines_->push_back(Line{std::string(text.substr(start, end - start)), nullptr});
    start = end + 1;
  }
}

const Json& Trace::operator[](int frame) const {
  if (frame < 1 || frame > Frames()) {
    throw std::runtime_error("trace: no frame " + std::to_string(frame) + " among " +
                             std::to_string(Frames()));
  }
  Line& line = (*lines_)[static_cast<std::size_t>(frame - 1)];
  if (!line.parsed) {
    auto json = std::make_unique<Json>(Json::Parse(line.text));
    if ((*json)["f"].Int() != frame)
      throw std::runtime_error("trace: line " + std::to_string(frame) + " is not that frame");
    line.parsed = std::move(json);
    std::string().swap(line.text);
  }
  return *line.parsed;
}

namespace {

// Pictures and screenshots are 24-bit: three bytes a pixel, rows without padding.
Rgb PixelOf(const Image& image, int x, int y) {
  if (x < 0 || y < 0 || x >= image.Width() || y >= image.Height() || !image.HasPixels() ||
      image.PixelBufferSize() < static_cast<std::size_t>(image.Width()) * image.Height() * 3) {
    throw std::runtime_error("no pixel (" + std::to_string(x) + ", " + std::to_string(y) +
                             ") in a " + std::to_string(image.Width()) + " x " +
                             std::to_string(image.Height()) + " picture");
  }
  const std::uint8_t* p =
      image.PixelBytes() + 3 * (static_cast<std::size_t>(y) * image.Width() + x);
  return {p[0], p[1], p[2]};
}

int RoundTrip(int value, int bits) {
  const int reduced = value >> (8 - bits);
  return (reduced << (8 - bits)) | (reduced >> (2 * bits - 8));
}

Image LoadTiff(const std::string& path) {
  Image image;
  engine::graphics::ImageFile file;
  if (!file.LoadTiff(path, image)) throw std::runtime_error("cannot read picture " + path);
  return image;
}

}  // namespace

Rgb ShotPixel(const Image& shot, int x, int y) {
  return PixelOf(shot, x, y);
}

Rgb AsShown(const Image& picture, int x, int y, bool masked) {
  const Rgb c = PixelOf(picture, x, y);
  const Rgb shown{RoundTrip(c[0], 5), RoundTrip(c[1], 6), RoundTrip(c[2], 5)};
  if (masked && shown == Rgb{0, 0, 0}) return {0, 0, 8};
  return shown;
}

bool IsClear(const Image& picture, int x, int y) {
  PixelOf(picture, x, y);
  if (!picture.HasAlphaPlane()) return false;
  return picture.Alpha()[static_cast<std::size_t>(y) * picture.Width() + x] == 0;
}

int RegionMismatches(const Image& shot, int left, int top, const Image& picture, bool masked) {
  int mismatches = 0;
  for (int y = 0; y < picture.Height(); ++y) {
    for (int x = 0; x < picture.Width(); ++x) {
      const int sx = left + x, sy = top + y;
      if (sx < 0 || sy < 0 || sx >= shot.Width() || sy >= shot.Height()) continue;
      if (masked && IsClear(picture, x, y)) continue;
      mismatches += ShotPixel(shot, sx, sy) != AsShown(picture, x, y, masked);
    }
  }
  return mismatches;
}

Outcome Scenario::Play(const std::string& script, long frames, const std::string& options) {
  dir.Write("script.txt", script);
  std::string command =
      std::string("'") + CURBSIDE_EXE + "' --headless --script script.txt --trace trace.jsonl";
  if (frames > 0) command += " --frames " + std::to_string(frames);
  command += " " + options + " >stdout.txt 2>stderr.txt";
  const int status = std::system(command.c_str());
  Outcome outcome;
  outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  outcome.out = dir.Read("stdout.txt");
  outcome.err = dir.Read("stderr.txt");
  outcome.trace = Trace(dir.Read("trace.jsonl"));
  return outcome;
}

Image Scenario::Shot(const std::string& file) const {
  return LoadTiff((dir.Path() / file).string());
}

Image Scenario::Picture(const std::string& name) {
  return LoadTiff(std::string(CURBSIDE_DATA_DIR) + "/" + name);
}

}  // namespace tests::scenario
