// SoundXWav.cpp -- reads a RIFF/WAVE file for SoundX: the header, then a scan for the samples.
// Every size in the file is checked against the file's length before it is used, so a damaged
// file can neither make the reader allocate more than the file holds nor move it backwards.
#include "engine/sound/SoundXWav.h"

#include <algorithm>
#include <limits>

#include "engine/support/File.h"

namespace engine::sound {

namespace {

constexpr std::array<char, 4> kRiff{'R', 'I', 'F', 'F'};
constexpr std::array<char, 4> kWave{'W', 'A', 'V', 'E'};
constexpr std::array<char, 4> kFmt{'f', 'm', 't', ' '};
constexpr std::array<char, 4> kData{'d', 'a', 't', 'a'};
constexpr std::array<char, 4> kFact{'f', 'a', 'c', 't'};

constexpr std::uint16_t kFormatPcm = 1;
constexpr std::uint32_t kFmtFieldBytes = 16;  // the PCM fields every fmt chunk must hold
// Samples are read in pieces of whole frames, so that a read error keeps whole frames only.
constexpr std::size_t kPieceBytes = 64 * 1024;

// The length of file; the position is left where it was.
std::int64_t LengthOf(support::File& file) {
  const long here = file.Tell();
  if (here < 0 || file.Seek(-2) != 0) return 0;
  const long end = file.Tell();
  file.Seek(here);
  return std::max(end, 0L);
}

}  // namespace

WavReader::WavReader(support::File& file) : file_(file), size_(LengthOf(file)) {}

bool WavReader::ReadId(Id& id) {
  return file_.ReadBytes(id.size(), id.data()) == 0;
}

bool WavReader::Read16(std::uint16_t& value) {
  std::int16_t raw = 0;
  if (file_.Read2(raw) != 0) return false;
  value = static_cast<std::uint16_t>(order_.ReadShort(raw));
  return true;
}

bool WavReader::Read32(std::uint32_t& value) {
  std::int32_t raw = 0;
  if (file_.Read4(raw) != 0) return false;
  value = static_cast<std::uint32_t>(order_.ReadLong(raw));
  return true;
}

WavHeader WavReader::ReadHeader(WavFormat& format) {
  Id id{};
  std::uint32_t riffSize = 0;
  std::uint32_t fmtSize = 0;
  if (!ReadId(id) || id != kRiff || !Read32(riffSize) || !ReadId(id) || id != kWave ||
      !ReadId(id) || id != kFmt || !Read32(fmtSize)) {
    return WavHeader::kInvalid;
  }
  const std::int64_t fmtEnd = file_.Tell() + std::int64_t{fmtSize};
  std::uint16_t formatTag = 0;
  if (!Read16(formatTag)) return WavHeader::kInvalid;
  if (formatTag != kFormatPcm) return WavHeader::kNotPcm;

  std::uint32_t byteRate = 0;    // follows from the other fields; not used
  std::uint16_t blockAlign = 0;  // likewise
  if (fmtSize < kFmtFieldBytes || !Read16(format.channels) || !Read32(format.samplesPerSecond) ||
      !Read32(byteRate) || !Read16(blockAlign) || !Read16(format.bitsPerSample)) {
    return WavHeader::kInvalid;
  }
  // A sound needs whole frames of 8- or 16-bit samples and a rate to measure its length by.
  if (format.channels == 0 || (format.bitsPerSample != 8 && format.bitsPerSample != 16) ||
      format.samplesPerSecond == 0) {
    return WavHeader::kInvalid;
  }
  // The extra fmt fields are skipped whatever their size, but they must be in the file.
  if (fmtEnd > size_ || file_.Seek(static_cast<long>(fmtEnd)) != 0) return WavHeader::kInvalid;
  return WavHeader::kPcm;
}

std::optional<std::vector<std::uint8_t>> WavReader::ScanForSamples(std::uint32_t frameBytes) {
  std::optional<std::vector<std::uint8_t>> samples;
  Id id{};
  // Only "data" and "fact" are stepped over by their contents; any other id moves the scan on
  // by 4 bytes. Every pass moves forward, so the scan ends at the end of the file.
  while (ReadId(id)) {
    if (id == kData) {
      std::uint32_t claimed = 0;
      if (!Read32(claimed)) break;
      const std::int64_t start = file_.Tell();
      if (start < 0) break;
      // A chunk that claims more than the file holds keeps what is there.
      const std::int64_t end = std::min(start + std::int64_t{claimed}, std::max(size_, start));
      std::int64_t kept =
          std::min<std::int64_t>(end - start, std::numeric_limits<std::int32_t>::max());
      kept -= kept % frameBytes;
      samples = ReadFrames(static_cast<std::size_t>(kept), frameBytes);
      file_.Seek(static_cast<long>(end));
    } else if (id == kFact) {
      std::uint32_t ignored = 0;
      Read32(ignored);  // the chunk size
      Read32(ignored);  // the sample count
    }
  }
  return samples;
}

std::vector<std::uint8_t> WavReader::ReadFrames(std::size_t bytes, std::uint32_t frameBytes) {
  std::vector<std::uint8_t> out(bytes);
  const std::size_t piece =
      std::max<std::size_t>(frameBytes, kPieceBytes / frameBytes * frameBytes);
  std::size_t done = 0;
  while (done < bytes) {
    const std::size_t count = std::min(piece, bytes - done);
    if (file_.ReadBytes(count, out.data() + done) != 0) break;
    done += count;
  }
  out.resize(done);
  return out;
}

}  // namespace engine::sound
