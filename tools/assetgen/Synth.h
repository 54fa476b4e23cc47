// Synth.h -- the sound generator's building blocks: a mono float buffer at the set's rate,
// sine partials, sweeps, noise, a resonant filter, envelopes, a limiter, and the conversion to
// 16-bit.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/assetgen/Catalogue.h"

namespace tools::assetgen::synth {

// Samples at kSoundRate, nominally between -1 and 1 before ToPcm scales them.
using Buffer = std::vector<float>;

inline constexpr double kPi = 3.14159265358979323846;

// The number of samples in a length of time, rounded to the nearest.
int Samples(double seconds);
// Equal-tempered pitch of a note number (69 is A at 440 Hz, 60 middle C).
double NoteHz(int note);

// Adds a sine that starts at sample start with phase 0 and decays exponentially (decay per
// second, 0 for none) for length samples. Computed by turning a phasor, so a partial costs a
// few multiplications a sample and no library call.
void AddPartial(Buffer& out, int start, int length, double hz, float amplitude, double decay);

// A sine whose frequency may change on every sample (sweeps and slides).
class SweepOscillator {
 public:
  // One sample at the given frequency; the phase carries on from the previous call.
  float Next(double hz);
  // The phase of the last sample, in turns (0 to 1).
  double Phase() const { return phase_; }

 private:
  double phase_ = 0;
};

// White noise from -1 to 1 made by the set's deterministic dice.
class Noise {
 public:
  explicit Noise(std::uint32_t seed) : dice_(seed) {}
  float Next() { return dice_.Unit() * 2.0f - 1.0f; }

 private:
  Dice dice_;
};

// A two-pole state-variable filter in the trapezoidal form, stable at every cutoff below the
// Nyquist frequency even when the cutoff moves on each sample.
class Filter {
 public:
  struct Outputs {
    float low, band, high;
  };
  // Cutoff in Hz; resonance q from about 0.5 (smooth) to 10 (ringing).
  void Tune(double hz, double q);
  Outputs Process(float in);

 private:
  double g_ = 0, k_ = 1, a1_ = 0, a2_ = 0, a3_ = 0;
  double ic1_ = 0, ic2_ = 0;
};

// Gain of a note at sample i: a linear rise over attack samples, flat until hold, then a linear
// fall to 0 over release samples.
float NoteGain(int i, int attack, int hold, int release);

// Adds in, times gain, into out from sample start; whatever falls past the end is dropped.
void Mix(Buffer& out, const Buffer& in, int start, float gain);

// Linear fades over the first and the last samples, so a sound begins and ends at exactly 0.
void FadeEdges(Buffer& sound, int fadeIn, int fadeOut);

// Brings every sample within ceiling times the loudest one by turning the gain down, never by
// reshaping the waveform: the gain falls smoothly over the lookAhead samples before each loud
// moment, so that it is down in time, and recovers with a time constant of release seconds.
// loop is the number of samples from the start that the player repeats (0 when the sound plays
// once): the limiter then starts as the end of the loop leaves it, so the moment of a restart
// is treated like any other.
void Limit(Buffer& sound, float ceiling, int lookAhead, double release, int loop);

// The largest absolute sample.
float Peak(const Buffer& sound);

// Scales the sound so that its largest sample is peak (a fraction of full scale, below 1) and
// rounds it to 16-bit samples.
std::vector<std::int16_t> ToPcm(const Buffer& sound, float peak);

}  // namespace tools::assetgen::synth
