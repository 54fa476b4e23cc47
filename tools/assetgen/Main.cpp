// Main.cpp -- assetgen: writes every picture and sound the game reads into a data folder, with a
// manifest, and on request a contact sheet of all pictures for review and the desktop icons.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "engine/graphics/Font.h"
#include "game/shell/WindowIcon.h"
#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/ContactSheet.h"
#include "tools/assetgen/Icon.h"
#include "tools/assetgen/PngWriter.h"
#include "tools/assetgen/Writers.h"

namespace {

using namespace tools::assetgen;

// The game writes folders with backslashes; on disk they are folders.
std::filesystem::path OnDisk(const std::filesystem::path& root, const std::string& name) {
  std::string relative = name;
  for (char& c : relative) {
    if (c == '\\') c = '/';
  }
  return root / relative;
}

int Usage() {
  std::fputs(
      "Usage: assetgen OUTDIR [--contact-sheet FILE] [--icons DIR]\n"
      "       assetgen --window-icon FILE.cpp\n"
      "Writes OUTDIR/Images, OUTDIR/Sounds and OUTDIR/manifest.txt; with --icons also\n"
      "DIR/hicolor/NxN/apps/curbside.png for each icon size. --window-icon writes the\n"
      "game window's icon as C++ source, for the game's build.\n",
      stderr);
  return 2;
}

// In the icon theme's layout, so that the folder installs as it is; returns how many files
// could not be written.
int WriteIcons(const std::filesystem::path& root) {
  int failures = 0;
  for (const int size : kIconSizes) {
    const std::string side = std::to_string(size);
    const std::filesystem::path folder = root / "hicolor" / (side + "x" + side) / "apps";
    std::filesystem::create_directories(folder);
    const std::filesystem::path path = folder / "curbside.png";
    if (!WritePng(path.string(), PaintIcon(size))) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
      ++failures;
    }
  }
  return failures;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return Usage();
  if (std::strcmp(argv[1], "--window-icon") == 0) {
    if (argc != 3) return Usage();
    if (WritePixelSource(argv[2], PaintIcon(game::shell::kWindowIconSize),
                         "game/shell/WindowIcon.h", "game::shell", "kWindowIcon")) {
      return 0;
    }
    std::fprintf(stderr, "assetgen: cannot write %s\n", argv[2]);
    return 1;
  }
  const std::filesystem::path root = argv[1];
  std::string sheet, icons;
  for (int i = 2; i < argc; ++i) {
    if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc) {
      sheet = argv[++i];
    } else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) {
      icons = argv[++i];
    } else {
      return Usage();
    }
  }

  Catalogue catalogue;
  AddScenery(catalogue);
  AddInterface(catalogue);
  AddPeople(catalogue);
  AddSounds(catalogue);

  // The manifest is opened before any asset has made the folder.
  std::filesystem::create_directories(root);
  std::ofstream manifest(root / "manifest.txt.part");
  std::vector<std::pair<std::string, Canvas>> painted;
  int failures = 0;
  for (const PictureAsset& asset : catalogue.Pictures()) {
    Canvas canvas = asset.paint();
    const std::filesystem::path path = OnDisk(root, asset.name);
    std::filesystem::create_directories(path.parent_path());
    if (!WriteRgbaTiff(path.string(), canvas)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
      ++failures;
    }
    manifest << "image " << asset.name << ' ' << canvas.Width() << ' ' << canvas.Height() << '\n';
    if (!sheet.empty()) painted.emplace_back(asset.name, std::move(canvas));
  }
  for (const SoundAsset& asset : catalogue.Sounds()) {
    const std::vector<std::int16_t> samples = asset.synthesise();
    const std::filesystem::path path = OnDisk(root, asset.name);
    std::filesystem::create_directories(path.parent_path());
    if (!WriteWav(path.string(), samples, kSoundRate)) {
      std::fprintf(stderr, "assetgen: cannot write %s\n", path.c_str());
      ++failures;
    }
    manifest << "sound " << asset.name << ' ' << kSoundRate << ' ' << samples.size() << '\n';
  }
  if (!icons.empty()) failures += WriteIcons(icons);
  manifest.close();
  if (!manifest) ++failures;
  // The manifest appears only once every file is in place, so a build never sees half a set.
  std::filesystem::rename(root / "manifest.txt.part", root / "manifest.txt");

  if (!sheet.empty() && !WriteRgbTiff(sheet, MakeContactSheet(painted))) {
    std::fprintf(stderr, "assetgen: cannot write %s\n", sheet.c_str());
    ++failures;
  }
  return failures == 0 ? 0 : 1;
}
