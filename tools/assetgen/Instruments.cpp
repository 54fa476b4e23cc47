// Instruments.cpp -- additive and noise voices for the background tune.
#include "tools/assetgen/Instruments.h"

#include <algorithm>
#include <cmath>

namespace tools::assetgen::synth {

namespace {

// Harmonics stop well below the Nyquist frequency so nothing folds back as a whistle.
constexpr double kHighestPartial = 7500.0;

// Multiplies a note by its envelope and adds it to out.
void Place(Buffer& out, Buffer note, int start, int attack, int hold, int release, float level) {
  for (std::size_t i = 0; i < note.size(); ++i) {
    note[i] *= NoteGain(static_cast<int>(i), attack, hold, release);
  }
  Mix(out, note, start, level);
}

// A plucked note: harmonic k starts at pluck[k] and dies away at decay + k x spread per second;
// after length the string is muted.
void AddPlucked(Buffer& out, int start, int length, double hz, float level, double decay,
                double spread, double position, int maxHarmonics) {
  const int mute = Samples(0.05);
  Buffer note(static_cast<std::size_t>(length + mute), 0.0f);
  for (int k = 1; k <= maxHarmonics && k * hz < kHighestPartial; ++k) {
    // Plucking at a fraction of the string weakens the harmonics with a node near there.
    const double shape = std::fabs(std::sin(k * kPi * position)) / std::pow(k, 1.2);
    AddPartial(note, 0, static_cast<int>(note.size()), k * hz, static_cast<float>(shape),
               decay + spread * (k - 1));
  }
  Place(out, std::move(note), start, Samples(0.002), length, mute, level);
}

}  // namespace

void AddAccordion(Buffer& out, int start, int length, int note, float level) {
  const int release = Samples(0.045);
  Buffer sound(static_cast<std::size_t>(length + release), 0.0f);
  const double hz = NoteHz(note);
  struct Reed {
    double ratio;
    float level;
  };
  // Four cents apart beat about twice a second in the middle of the melody's range.
  const Reed reeds[] = {
      {std::pow(2.0, -4.0 / 1200.0), 0.5f}, {std::pow(2.0, 4.0 / 1200.0), 0.5f}, {0.5, 0.3f}};
  for (const Reed& reed : reeds) {
    const double base = hz * reed.ratio;
    for (int k = 1; k * base < kHighestPartial && k <= 16; ++k) {
      // A reed is bright: the harmonics fall off slowly, with a dip at the fourth and fifth
      // that keeps it from sounding like a plain saw.
      float a = reed.level / std::pow(static_cast<float>(k), 0.85f);
      if (k == 4 || k == 5) a *= 0.6f;
      AddPartial(sound, 0, static_cast<int>(sound.size()), k * base, a, 0.0);
    }
  }
  Place(out, std::move(sound), start, Samples(0.018), length, release, level);
}

void AddGuitar(Buffer& out, int start, int length, int note, float level) {
  AddPlucked(out, start, length, NoteHz(note), level, 3.0, 1.6, 0.21, 14);
}

void AddBass(Buffer& out, int start, int length, int note, float level) {
  AddPlucked(out, start, length, NoteHz(note), level, 2.0, 2.5, 0.3, 8);
}

void AddKick(Buffer& out, int start, float level) {
  const int length = Samples(0.28);
  Buffer hit(static_cast<std::size_t>(length), 0.0f);
  SweepOscillator tone;
  for (int i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSoundRate;
    const double hz = 58.0 + 70.0 * std::exp(-t / 0.03);
    hit[static_cast<std::size_t>(i)] = tone.Next(hz) * static_cast<float>(std::exp(-t / 0.09));
  }
  Place(out, std::move(hit), start, Samples(0.002), length - Samples(0.03), Samples(0.03), level);
}

void AddShaker(Buffer& out, int start, float level, Noise& noise) {
  const int length = Samples(0.07);
  Buffer grain(static_cast<std::size_t>(length), 0.0f);
  Filter high;
  high.Tune(6000.0, 0.7);
  for (int i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSoundRate;
    // Beads hit the shell a moment after the shake starts.
    const double swell = (1.0 - std::exp(-t / 0.006)) * std::exp(-t / 0.016);
    grain[static_cast<std::size_t>(i)] =
        high.Process(noise.Next()).high * static_cast<float>(swell);
  }
  Place(out, std::move(grain), start, 1, length - Samples(0.01), Samples(0.01), level);
}

void AddTambourine(Buffer& out, int start, float level, Noise& noise) {
  const int length = Samples(0.2);
  Buffer hit(static_cast<std::size_t>(length), 0.0f);
  // Small jingles: inharmonic partials, each pair slightly apart so they shimmer.
  const double jingles[] = {4730.0, 4790.0, 6150.0, 6230.0, 7310.0};
  for (double hz : jingles)
    AddPartial(hit, 0, length, hz, 0.12f, 22.0);
  Filter band;
  band.Tune(7000.0, 1.5);
  for (int i = 0; i < length; ++i) {
    const double t = static_cast<double>(i) / kSoundRate;
    hit[static_cast<std::size_t>(i)] +=
        band.Process(noise.Next()).band * static_cast<float>(std::exp(-t / 0.035));
  }
  Place(out, std::move(hit), start, 1, length - Samples(0.02), Samples(0.02), level);
}

}  // namespace tools::assetgen::synth
