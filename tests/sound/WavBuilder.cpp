// WavBuilder.cpp -- WAV files in memory for the sound loader's tests.
#include "tests/sound/WavBuilder.h"

#include "engine/support/File.h"

namespace tests {

namespace {

void Put16(std::string& out, std::uint16_t v) {
  out += static_cast<char>(v & 0xFF);
  out += static_cast<char>(v >> 8);
}

void Put32(std::string& out, std::uint32_t v) {
  Put16(out, static_cast<std::uint16_t>(v & 0xFFFF));
  Put16(out, static_cast<std::uint16_t>(v >> 16));
}

}  // namespace

WavChunk* WavBuild::Find(std::string_view id) {
  for (WavChunk& chunk : chunks) {
    if (chunk.id == id) return &chunk;
  }
  return nullptr;
}

std::string WavBuild::Bytes() const {
  const std::uint16_t align =
      blockAlign.value_or(static_cast<std::uint16_t>(channels * (bitsPerSample / 8)));
  std::string body = wave + fmtId;
  Put32(body, fmtSize.value_or(static_cast<std::uint32_t>(16 + fmtExtra.size())));
  Put16(body, formatTag);
  Put16(body, channels);
  Put32(body, samplesPerSecond);
  Put32(body, samplesPerSecond * align);
  Put16(body, align);
  Put16(body, bitsPerSample);
  body += fmtExtra;
  for (const WavChunk& chunk : chunks) {
    body += chunk.id;
    Put32(body, chunk.size.value_or(static_cast<std::uint32_t>(chunk.body.size())));
    body += chunk.body;
  }
  std::string out = riff;
  Put32(out, static_cast<std::uint32_t>(body.size()));
  return out + body;
}

WavBuild MakeWav(std::uint16_t channels, std::uint16_t bits, std::uint32_t rate,
                 std::string samples) {
  WavBuild build;
  build.channels = channels;
  build.bitsPerSample = bits;
  build.samplesPerSecond = rate;
  build.chunks.push_back({"data", std::move(samples), {}});
  return build;
}

std::string TestSamples(std::size_t count, std::uint8_t seed) {
  std::string out(count, '\0');
  for (std::size_t i = 0; i < count; ++i) {
    out[i] = static_cast<char>(seed + 37 * i);
  }
  return out;
}

bool LoadBytes(engine::sound::SoundX& sound, const std::string& bytes, std::string_view name) {
  engine::support::File file;
  file.OpenMemory(name, {reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
  return sound.Load(file);
}

std::string SamplesOf(const engine::sound::SoundX& sound) {
  return {sound.data.begin(), sound.data.end()};
}

}  // namespace tests
