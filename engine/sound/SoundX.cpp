// SoundX.cpp -- loading a sound from a WAV file by name or from an open file, and shortening it.
#include "engine/sound/SoundX.h"

#include <algorithm>
#include <string>
#include <utility>

#include "engine/core/ErrorReport.h"
#include "engine/sound/SoundXWav.h"
#include "engine/support/Exit.h"
#include "engine/support/File.h"

namespace engine::sound {

namespace {

constexpr char kInvalidFormat[] =
    ".WAV Format Invalid: \n\nInvalid WAV Format. Not all types of WAV files are supported. "
    "Try saving your WAV file with a different program, or with 'extra wav information' turned "
    "off.";

[[noreturn]] void InvalidFormat() {
  core::ShowNotice(kInvalidFormat, "Vorel Error");
  support::ExitProcess(-1);
}

}  // namespace

bool SoundX::Load(std::string_view name) {
  support::File file;
  if (file.Open(name, support::FILE_READ | support::RANDOM) == support::FILE_NOTEXIST) {
    core::ShowNotice(std::string(".WAV File Not Found: ")
                         .append(name)
                         .append("\n\nMake sure paths and names of WAV files are correct. If you "
                                 "started the game outside of Visual C++, make sure the executable "
                                 "is in the correct location to find sounds."),
                     "Vorel Error");
    support::ExitProcess(-1);
  }
  return Load(file);
}

bool SoundX::Load(support::File& file) {
  WavReader reader(file);
  WavFormat format;
  switch (reader.ReadHeader(format)) {
    case WavHeader::kNotPcm:
      file.Close();
      return false;
    case WavHeader::kInvalid:
      InvalidFormat();
    case WavHeader::kPcm:
      break;
  }
  auto samples = reader.ScanForSamples(format.FrameBytes());
  file.Close();

  samplesPerSecond = format.samplesPerSecond;
  bitsPerSample = format.bitsPerSample;
  channels = format.channels;
  // Without a "data" chunk the sound keeps the samples it had.
  if (samples) {
    data = std::move(*samples);
    dataBytes = static_cast<std::int32_t>(data.size());
    frames = dataBytes / static_cast<std::int32_t>(format.FrameBytes());
    seconds = static_cast<float>(frames) / static_cast<float>(samplesPerSecond);
  }
  dirty = 1;
  return true;
}

void SoundX::Truncate(float newSeconds) {
  if (data.empty() || !(newSeconds < seconds)) return;
  // Clamped before the conversion: a negative length empties the sound, and float rounding
  // must not make it longer than it is.
  const float wanted = static_cast<float>(samplesPerSecond) * newSeconds;
  std::int32_t newFrames = 0;
  if (wanted >= static_cast<float>(frames)) {
    newFrames = frames;
  } else if (wanted > 0.0f) {
    newFrames = static_cast<std::int32_t>(wanted);
  }
  const std::size_t frameBytes = bitsPerSample / 8u * channels;
  const std::size_t newBytes =
      std::min(data.size(), frameBytes * static_cast<std::size_t>(newFrames));
  data.resize(newBytes);
  data.shrink_to_fit();
  dataBytes = static_cast<std::int32_t>(newBytes);
  frames = newFrames;
  seconds = std::max(newSeconds, 0.0f);
  dirty = 1;
}

}  // namespace engine::sound
