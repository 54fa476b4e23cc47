// Sounds.cpp -- the game's seven sounds: the background tune and six short effects, each made
// from sines, sweeps and filtered noise.
#include <cmath>

#include "tools/assetgen/Catalogue.h"
#include "tools/assetgen/Synth.h"
#include "tools/assetgen/Tune.h"

namespace tools::assetgen {

namespace {

using synth::Buffer;
using synth::Samples;

double Time(int i) {
  return static_cast<double>(i) / kSoundRate;
}

// Money received: a few coins clink into the hat and a bright two-note bell rings over them.
Buffer Cash() {
  Buffer sound(static_cast<std::size_t>(Samples(0.65)), 0.0f);
  const int length = static_cast<int>(sound.size());
  struct Clink {
    double at, hz;
    float level;
  };
  const Clink clinks[] = {
      {0.0, 3150.0, 0.8f}, {0.045, 2710.0, 0.6f}, {0.085, 3520.0, 0.55f}, {0.14, 2950.0, 0.35f}};
  // A small struck disc: strongly inharmonic, quickly damped partials.
  const double ratios[] = {1.0, 1.59, 2.14, 2.65};
  const float weights[] = {1.0f, 0.55f, 0.35f, 0.2f};
  for (const Clink& c : clinks) {
    for (int p = 0; p < 4; ++p) {
      const double hz = c.hz * ratios[p];
      if (hz > 9500.0) continue;
      synth::AddPartial(sound, Samples(c.at), length, hz, c.level * weights[p], 30.0 + 12.0 * p);
    }
  }
  // The "ching": E6 then B6, each with a faint octave, ringing to the end.
  synth::AddPartial(sound, Samples(0.03), length, 1318.5, 0.55f, 7.0);
  synth::AddPartial(sound, Samples(0.03), length, 2637.0, 0.15f, 12.0);
  synth::AddPartial(sound, Samples(0.11), length, 1975.5, 0.7f, 6.0);
  synth::AddPartial(sound, Samples(0.11), length, 3951.0, 0.18f, 11.0);
  synth::FadeEdges(sound, Samples(0.001), Samples(0.08));
  return sound;
}

// A wrong offer: two blasts of a harsh low buzzer, the second sagging in pitch.
Buffer Wrong() {
  Buffer sound(static_cast<std::size_t>(Samples(0.62)), 0.0f);
  struct Blast {
    double from, to, startHz, endHz;
  };
  const Blast blasts[] = {{0.0, 0.2, 150.0, 146.0}, {0.27, 0.62, 146.0, 118.0}};
  for (const Blast& blast : blasts) {
    const int first = Samples(blast.from), last = Samples(blast.to);
    double phaseA = 0, phaseB = 0;
    for (int i = first; i < last && i < static_cast<int>(sound.size()); ++i) {
      const double t = (Time(i) - blast.from) / (blast.to - blast.from);
      const double hz = blast.startHz + (blast.endHz - blast.startHz) * t;
      // Two buzzing voices a semitone apart make the rough, unpleasant edge of a buzzer.
      phaseA += hz / kSoundRate;
      phaseB += hz * 1.059 / kSoundRate;
      double value = 0;
      for (int k = 1; k * hz * 1.06 < 4500.0; ++k) {
        const double a = 1.0 / k;
        value +=
            a * (std::sin(2.0 * synth::kPi * k * phaseA) + std::sin(2.0 * synth::kPi * k * phaseB));
      }
      const float gain =
          synth::NoteGain(i - first, Samples(0.006), last - first - Samples(0.03), Samples(0.03));
      sound[static_cast<std::size_t>(i)] = static_cast<float>(value) * gain;
    }
  }
  return sound;
}

// A dance begins: a struck gong. A low hum carries it; dozens of inharmonic upper modes bloom
// a moment after the strike, shimmer as close pairs beat, and die away faster the higher they
// are.
Buffer Gong() {
  Buffer sound(static_cast<std::size_t>(Samples(1.5)), 0.0f);
  const int length = static_cast<int>(sound.size());
  const double fundamental = 123.0;
  synth::AddPartial(sound, 0, length, fundamental, 1.0f, 1.4);
  synth::AddPartial(sound, 0, length, fundamental * 1.006, 0.6f, 1.5);
  Buffer bloom(sound.size(), 0.0f);
  Dice dice(0x60a6);
  double ratio = 1.48;
  while (fundamental * ratio < 5000.0) {
    const double hz = fundamental * ratio;
    const auto level = static_cast<float>(0.9 / std::pow(ratio, 0.6));
    const double decay = 1.2 + 0.9 * ratio;
    synth::AddPartial(bloom, 0, length, hz, level, decay);
    synth::AddPartial(bloom, 0, length, hz * (1.004 + 0.004 * dice.Unit()), level * 0.6f, decay);
    ratio += 0.45 + 0.5 * dice.Unit();
  }
  for (int i = 0; i < length; ++i) {
    // The upper modes take a moment to gather energy from the strike.
    const auto swell = static_cast<float>(1.0 - std::exp(-Time(i) / 0.09));
    sound[static_cast<std::size_t>(i)] += bloom[static_cast<std::size_t>(i)] * swell;
  }
  // The felt mallet: a short dull thud.
  synth::Noise noise(0x60a6);
  synth::Filter low;
  low.Tune(700.0, 0.7);
  for (int i = 0; i < Samples(0.04); ++i) {
    sound[static_cast<std::size_t>(i)] +=
        low.Process(noise.Next()).low * 2.0f * static_cast<float>(std::exp(-Time(i) / 0.01));
  }
  synth::FadeEdges(sound, Samples(0.002), Samples(0.3));
  return sound;
}

// A day is passed or a dance bought: a whirl that spins faster and rises three octaves, with
// a breath of air following it, ending on a bright ting.
Buffer Spin() {
  Buffer sound(static_cast<std::size_t>(Samples(1.0)), 0.0f);
  const int whirl = Samples(0.85);
  synth::SweepOscillator tone, fifth, wobble;
  synth::Noise noise(0x5b1);
  synth::Filter air;
  for (int i = 0; i < whirl; ++i) {
    const double t = Time(i) / Time(whirl);
    const double hz = 220.0 * std::pow(2.0, 3.0 * t * t);
    // Turning faster: the flutter quickens from 6 to 30 times a second.
    const double flutter = 6.0 + 24.0 * t;
    const float wob = 0.65f + 0.35f * wobble.Next(flutter);
    air.Tune(hz * 2.0, 3.0);
    const float value =
        tone.Next(hz) + 0.45f * fifth.Next(hz * 1.5) + 0.6f * air.Process(noise.Next()).band;
    const auto rise = static_cast<float>(0.5 + 0.5 * t);
    sound[static_cast<std::size_t>(i)] = value * wob * rise;
  }
  for (int i = whirl - Samples(0.05); i < whirl; ++i) {
    sound[static_cast<std::size_t>(i)] *= static_cast<float>(whirl - i) / Samples(0.05);
  }
  Buffer ting(static_cast<std::size_t>(Samples(0.17)), 0.0f);
  synth::AddPartial(ting, 0, static_cast<int>(ting.size()), 2093.0, 0.5f, 14.0);
  synth::AddPartial(ting, 0, static_cast<int>(ting.size()), 3136.0, 0.3f, 18.0);
  for (std::size_t i = 0; i < ting.size(); ++i) {
    ting[i] *= synth::NoteGain(static_cast<int>(i), Samples(0.003), Samples(1.0), 1);
  }
  synth::Mix(sound, ting, whirl - Samples(0.02), 1.0f);
  synth::FadeEdges(sound, Samples(0.03), Samples(0.05));
  return sound;
}

// A thief's snatch: a fast swish of noise whose pitch flies up, with a thin zip under it.
Buffer Steal() {
  Buffer sound(static_cast<std::size_t>(Samples(0.32)), 0.0f);
  synth::Noise noise(0x7e1ef);
  synth::Filter band;
  synth::SweepOscillator zip;
  for (int i = 0; i < static_cast<int>(sound.size()); ++i) {
    const double t = Time(i);
    const double centre = 700.0 + 5800.0 * (1.0 - std::exp(-t / 0.06));
    band.Tune(centre, 2.2);
    const double envelope = (1.0 - std::exp(-t / 0.012)) * std::exp(-t / 0.07);
    const float swish = band.Process(noise.Next()).band;
    const float whistle = 0.25f * static_cast<float>(std::exp(-t / 0.04)) *
                          zip.Next(450.0 + 2200.0 * (1.0 - std::exp(-t / 0.05)));
    sound[static_cast<std::size_t>(i)] = (swish + whistle) * static_cast<float>(envelope);
  }
  synth::FadeEdges(sound, Samples(0.002), Samples(0.03));
  return sound;
}

// The count-down: a deep drum thump, its pitch dropping as the skin settles, with the knock
// of the beater on top so that small speakers carry it too.
Buffer Thump() {
  Buffer sound(static_cast<std::size_t>(Samples(0.5)), 0.0f);
  synth::SweepOscillator body, overtone;
  synth::Noise noise(0x7b);
  synth::Filter knock;
  knock.Tune(1400.0, 1.2);
  for (int i = 0; i < static_cast<int>(sound.size()); ++i) {
    const double t = Time(i);
    const double hz = 68.0 + 110.0 * std::exp(-t / 0.04);
    double value = body.Next(hz) * std::exp(-t / 0.14);
    // A drum skin's second mode sits about 1.59 times above the first.
    value += 0.45 * overtone.Next(hz * 1.59) * std::exp(-t / 0.06);
    value += knock.Process(noise.Next()).band * 1.6 * std::exp(-t / 0.008);
    sound[static_cast<std::size_t>(i)] = static_cast<float>(value);
  }
  synth::FadeEdges(sound, Samples(0.001), Samples(0.1));
  return sound;
}

// Effects play at full volume beside music played 25 dB down. The tune is made as loud as it
// cleanly goes, and the effects peak far enough below full scale to sit about 10 dB above it,
// on top but not drowning it, with room for two of them at once over the music.
void Add(Catalogue& catalogue, const char* name, Buffer (*make)(), float peak) {
  catalogue.Sound(name, [make, peak] { return synth::ToPcm(make(), peak); });
}

}  // namespace

void AddSounds(Catalogue& catalogue) {
  Add(catalogue, "Sounds\\bgsound.wav", synth::StreetTune, 0.92f);
  Add(catalogue, "Sounds\\cash.wav", Cash, 0.28f);
  Add(catalogue, "Sounds\\wrong.wav", Wrong, 0.24f);
  Add(catalogue, "Sounds\\gong.wav", Gong, 0.34f);
  Add(catalogue, "Sounds\\spin.wav", Spin, 0.25f);
  Add(catalogue, "Sounds\\steal.wav", Steal, 0.28f);
  Add(catalogue, "Sounds\\thump.wav", Thump, 0.42f);
}

}  // namespace tools::assetgen
