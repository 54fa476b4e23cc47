// Mixer.cpp -- resampling, gain, pan and saturation of the voices into the output.
#include "engine/sound/Mixer.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace engine::sound {

namespace {

// Fixed points: 1 << kWeightBits is a whole frame between two source frames, and
// kUnityGain is full level.
constexpr int kWeightBits = 15;
constexpr int kGainBits = 15;
constexpr std::int32_t kUnityGain = 1 << kGainBits;

// Hundredths of a decibel as a gain 10^(level/2000); -10000 and below are silence.
std::int32_t GainFromLevel(std::int32_t level) {
  if (level <= -10000) return 0;
  if (level >= 0) return kUnityGain;
  return static_cast<std::int32_t>(std::lround(kUnityGain * std::pow(10.0, level / 2000.0)));
}

struct Gains {
  std::int32_t left = 0, right = 0, both = 0;
};

// Volume as a gain, and pan as a further attenuation of the side it points away from. A mono
// output has only one speaker, so pan leaves it alone.
Gains GainsFor(const Voice& voice) {
  const std::int32_t volume = std::clamp(voice.volume, -10000, 0);
  const std::int32_t pan = std::clamp(voice.pan, -10000, 10000);
  Gains g;
  g.both = GainFromLevel(volume);
  g.left = pan > 0 ? GainFromLevel(volume - pan) : g.both;
  g.right = pan < 0 ? GainFromLevel(volume + pan) : g.both;
  return g;
}

// One source frame as 16-bit left and right values; a mono frame feeds both sides.
struct Frame {
  std::int32_t left, right;
};

template <int Bits>
std::int32_t ReadSample(const std::uint8_t* p) {
  if constexpr (Bits == 8) {
    return (static_cast<std::int32_t>(p[0]) - 0x80) * 256;  // unsigned, centred on 0x80
  } else {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(p[0] | p[1] << 8));
  }
}

template <int Bits, int Channels>
Frame ReadFrame(const std::uint8_t* p) {
  const std::int32_t left = ReadSample<Bits>(p);
  if constexpr (Channels == 1) {
    return {left, left};
  } else {
    return {left, ReadSample<Bits>(p + Bits / 8)};
  }
}

std::int32_t Scale(std::int32_t sample, std::int32_t gain) {
  return (sample * gain + (kUnityGain >> 1)) >> kGainBits;
}

std::int32_t Lerp(std::int32_t a, std::int32_t b, std::int32_t weight) {
  return a + (((b - a) * weight) >> kWeightBits);
}

std::int16_t Saturate(std::int32_t value) {
  return static_cast<std::int16_t>(std::clamp<std::int32_t>(
      value, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

// Adds one voice to sum (frames x channels) and moves it on. The position runs in whole
// source frames plus phase / outRate, stepping by sourceRate / outRate per output frame in
// integers, so that no rounding builds up however long the voice plays.
template <int Bits, int Channels>
void MixVoice(Voice& voice, const Gains& gains, std::span<std::int32_t> sum, int channels,
              std::uint32_t outRate) {
  constexpr std::uint32_t kBlock = Bits / 8 * Channels;
  const std::uint8_t* const data = voice.data.data();
  const std::uint64_t count = voice.data.size() / kBlock;
  const std::uint32_t stepWhole = voice.format.samplesPerSec / outRate;
  const std::uint32_t stepPart = voice.format.samplesPerSec % outRate;
  std::uint64_t frame = voice.position / kBlock;
  std::uint64_t phase = voice.phase % outRate;  // wide, so that adding a step cannot wrap

  const std::size_t frames = sum.size() / static_cast<std::size_t>(channels);
  for (std::size_t i = 0; i < frames && frame < count; ++i) {
    // The last frame is held rather than blended with whatever follows the buffer.
    const std::uint64_t next = frame + 1 < count ? frame + 1 : frame;
    const Frame a = ReadFrame<Bits, Channels>(data + frame * kBlock);
    const Frame b = ReadFrame<Bits, Channels>(data + next * kBlock);
    const auto weight = static_cast<std::int32_t>((phase << kWeightBits) / outRate);
    const std::int32_t left = Lerp(a.left, b.left, weight);
    const std::int32_t right = Lerp(a.right, b.right, weight);
    if (channels == 2) {
      sum[2 * i] += Scale(left, gains.left);
      sum[2 * i + 1] += Scale(right, gains.right);
    } else {
      sum[i] += Scale((left + right) / 2, gains.both);
    }
    frame += stepWhole;
    phase += stepPart;
    if (phase >= outRate) {
      phase -= outRate;
      ++frame;
    }
  }

  if (frame >= count) {
    // Played to the end: stop there, so that the next Play starts from the top.
    voice.playing = false;
    voice.position = static_cast<std::uint32_t>(voice.data.size());
    voice.phase = 0;
  } else {
    voice.position = static_cast<std::uint32_t>(frame * kBlock);
    voice.phase = static_cast<std::uint32_t>(phase);
  }
}

}  // namespace

Mixer::Mixer(std::uint32_t rate, int channels)
    : rate_(std::max<std::uint32_t>(rate, 1)), channels_(channels == 1 ? 1 : 2) {}

void Mixer::Reserve(std::size_t frames) {
  const std::size_t samples = frames * static_cast<std::size_t>(channels_);
  if (sum_.size() < samples) sum_.resize(samples);
}

void Mixer::Mix(std::span<std::int16_t> out, std::span<const std::shared_ptr<Voice>> voices) {
  const std::size_t frames = out.size() / static_cast<std::size_t>(channels_);
  Reserve(frames);
  const std::span<std::int32_t> sum(sum_.data(), frames * static_cast<std::size_t>(channels_));
  std::fill(sum.begin(), sum.end(), 0);

  for (const std::shared_ptr<Voice>& held : voices) {
    if (!held || !held->playing || held->lost) continue;
    Voice& voice = *held;
    // A format no device would have created plays nothing rather than reading out of bounds.
    if (!IsPlayableFormat(voice.format, static_cast<std::uint32_t>(voice.data.size()))) continue;
    const Gains gains = GainsFor(voice);
    const bool wide = voice.format.bitsPerSample == 16;
    const bool stereo = voice.format.channels == 2;
    if (wide && stereo) {
      MixVoice<16, 2>(voice, gains, sum, channels_, rate_);
    } else if (wide) {
      MixVoice<16, 1>(voice, gains, sum, channels_, rate_);
    } else if (stereo) {
      MixVoice<8, 2>(voice, gains, sum, channels_, rate_);
    } else {
      MixVoice<8, 1>(voice, gains, sum, channels_, rate_);
    }
  }

  std::transform(sum.begin(), sum.end(), out.begin(), Saturate);
  // A trailing part of a frame, if the caller gave one, stays silent.
  std::fill(out.begin() + static_cast<std::ptrdiff_t>(sum.size()), out.end(), std::int16_t{0});
}

}  // namespace engine::sound
