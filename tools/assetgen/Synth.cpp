// Synth.cpp -- oscillators, noise, filter, envelopes, limiter and 16-bit conversion for the
// sounds.
#include "tools/assetgen/Synth.h"

#include <algorithm>
#include <cmath>

namespace tools::assetgen::synth {

int Samples(double seconds) {
  return static_cast<int>(std::lround(seconds * kSoundRate));
}

double NoteHz(int note) {
  return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

void AddPartial(Buffer& out, int start, int length, double hz, float amplitude, double decay) {
  const double step = 2.0 * kPi * hz / kSoundRate;
  const double shrink = std::exp(-decay / kSoundRate);
  const double turnCos = std::cos(step) * shrink;
  const double turnSin = std::sin(step) * shrink;
  double c = amplitude, s = 0;
  const int end = std::min(start + length, static_cast<int>(out.size()));
  for (int i = std::max(start, 0); i < end; ++i) {
    out[static_cast<std::size_t>(i)] += static_cast<float>(s);
    const double nextC = c * turnCos - s * turnSin;
    s = c * turnSin + s * turnCos;
    c = nextC;
  }
}

float SweepOscillator::Next(double hz) {
  const float value = static_cast<float>(std::sin(2.0 * kPi * phase_));
  phase_ += hz / kSoundRate;
  phase_ -= std::floor(phase_);
  return value;
}

void Filter::Tune(double hz, double q) {
  const double limited = std::clamp(hz, 10.0, 0.45 * kSoundRate);
  g_ = std::tan(kPi * limited / kSoundRate);
  k_ = 1.0 / std::max(q, 0.05);
  a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
  a2_ = g_ * a1_;
  a3_ = g_ * a2_;
}

Filter::Outputs Filter::Process(float in) {
  const double v3 = in - ic2_;
  const double v1 = a1_ * ic1_ + a2_ * v3;
  const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
  ic1_ = 2.0 * v1 - ic1_;
  ic2_ = 2.0 * v2 - ic2_;
  return {static_cast<float>(v2), static_cast<float>(v1), static_cast<float>(in - k_ * v1 - v2)};
}

float NoteGain(int i, int attack, int hold, int release) {
  if (i < 0) return 0.0f;
  float gain = 1.0f;
  if (i < attack) gain = static_cast<float>(i) / static_cast<float>(attack);
  if (i >= hold) {
    const int past = i - hold;
    if (past >= release) return 0.0f;
    gain *= 1.0f - static_cast<float>(past) / static_cast<float>(release);
  }
  return gain;
}

void Mix(Buffer& out, const Buffer& in, int start, float gain) {
  for (std::size_t i = 0; i < in.size(); ++i) {
    const long at = static_cast<long>(start) + static_cast<long>(i);
    if (at < 0) continue;
    if (at >= static_cast<long>(out.size())) break;
    out[static_cast<std::size_t>(at)] += in[i] * gain;
  }
}

void FadeEdges(Buffer& sound, int fadeIn, int fadeOut) {
  const int n = static_cast<int>(sound.size());
  for (int i = 0; i < std::min(fadeIn, n); ++i) {
    sound[static_cast<std::size_t>(i)] *= static_cast<float>(i) / static_cast<float>(fadeIn);
  }
  for (int i = 0; i < std::min(fadeOut, n); ++i) {
    // The very last sample gets weight 0.
    sound[static_cast<std::size_t>(n - 1 - i)] *=
        static_cast<float>(i) / static_cast<float>(fadeOut);
  }
}

void Limit(Buffer& sound, float ceiling, int lookAhead, double release, int loop) {
  const float level = ceiling * Peak(sound);
  if (level <= 0.0f || lookAhead < 1) return;
  const int n = static_cast<int>(sound.size());
  const int repeat = std::clamp(loop, 0, n);
  // A looping sound is preceded by the end of its loop, long enough for the gain to settle.
  const int lead = std::min(repeat, Samples(8.0 * release) + lookAhead);
  const int total = lead + n;
  auto at = [&](int k) {
    return sound[static_cast<std::size_t>(k < lead ? repeat - lead + k : k - lead)];
  };
  // The gain each sample needs on its own.
  std::vector<float> need(static_cast<std::size_t>(total));
  for (int k = 0; k < total; ++k) {
    const float magnitude = std::fabs(at(k));
    need[static_cast<std::size_t>(k)] = magnitude > level ? level / magnitude : 1.0f;
  }
  // Each gain is the least needed over the lookAhead samples from it on, never rising faster
  // than the release allows; averaged over the lookAhead samples up to it, it is still no more
  // than any of them needs, and changes without a step.
  const auto recover = static_cast<float>(std::exp(-1.0 / (release * kSoundRate)));
  std::vector<float> held(static_cast<std::size_t>(total));
  float gain = 1.0f;
  for (int k = 0; k < total; ++k) {
    float least = 1.0f;
    for (int j = k; j < std::min(k + lookAhead, total); ++j)
      least = std::min(least, need[static_cast<std::size_t>(j)]);
    gain = std::min(least, 1.0f - (1.0f - gain) * recover);
    held[static_cast<std::size_t>(k)] = gain;
  }
  double sum = 0;
  for (int k = 0; k < total; ++k) {
    sum += held[static_cast<std::size_t>(k)];
    if (k >= lookAhead) sum -= held[static_cast<std::size_t>(k - lookAhead)];
    if (k < lead) continue;
    const int count = std::min(k + 1, lookAhead);
    sound[static_cast<std::size_t>(k - lead)] *= static_cast<float>(sum / count);
  }
}

float Peak(const Buffer& sound) {
  float peak = 0.0f;
  for (float s : sound)
    peak = std::max(peak, std::fabs(s));
  return peak;
}

std::vector<std::int16_t> ToPcm(const Buffer& sound, float peak) {
  const float loudest = Peak(sound);
  const float scale = loudest > 0.0f ? peak * 32767.0f / loudest : 0.0f;
  std::vector<std::int16_t> pcm(sound.size());
  for (std::size_t i = 0; i < sound.size(); ++i) {
    const long value = std::lround(sound[i] * scale);
    pcm[i] = static_cast<std::int16_t>(std::clamp(value, -32767L, 32767L));
  }
  return pcm;
}

}  // namespace tools::assetgen::synth
