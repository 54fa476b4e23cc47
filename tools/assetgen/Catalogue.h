// Catalogue.h -- every picture and sound the game reads, by the name the game loads it under,
// with the code that makes it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "tools/assetgen/Canvas.h"

namespace tools::assetgen {

// Sounds are 16-bit mono at this rate.
inline constexpr int kSoundRate = 22050;

struct PictureAsset {
  std::string name;  // as the game writes it, e.g. "Images\\inter-clock.tif"
  std::function<Canvas()> paint;
};

struct SoundAsset {
  std::string name;  // e.g. "Sounds\\cash.wav"
  std::function<std::vector<std::int16_t>()> synthesise;
};

class Catalogue {
 public:
  void Picture(std::string name, std::function<Canvas()> paint) {
    pictures_.push_back({std::move(name), std::move(paint)});
  }
  void Sound(std::string name, std::function<std::vector<std::int16_t>()> synthesise) {
    sounds_.push_back({std::move(name), std::move(synthesise)});
  }
  const std::vector<PictureAsset>& Pictures() const { return pictures_; }
  const std::vector<SoundAsset>& Sounds() const { return sounds_; }

 private:
  std::vector<PictureAsset> pictures_;
  std::vector<SoundAsset> sounds_;
};

// Each part of the set adds its assets; together they cover every file the game loads.
void AddScenery(Catalogue& catalogue);    // backgrounds, title, rules pages
void AddInterface(Catalogue& catalogue);  // status display, clock, lights, numbers, overlays
void AddPeople(Catalogue& catalogue);     // performer and passers-by
void AddSounds(Catalogue& catalogue);

// A small deterministic generator for texture and variation: the same bytes on every run and
// every machine.
class Dice {
 public:
  explicit Dice(std::uint32_t seed) : state_(seed) {}
  std::uint32_t Next() {
    state_ = state_ * 1664525u + 1013904223u;
    return state_ >> 8;
  }
  // An integer from 0 to n - 1.
  int Below(int n) { return n > 0 ? static_cast<int>(Next() % static_cast<std::uint32_t>(n)) : 0; }
  // A float from 0 to 1.
  float Unit() { return static_cast<float>(Next() & 0xFFFF) / 65535.0f; }

 private:
  std::uint32_t state_;
};

}  // namespace tools::assetgen
