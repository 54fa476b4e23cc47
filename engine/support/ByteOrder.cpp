// ByteOrder.cpp -- the native and reversed conversion sets.
#include "engine/support/ByteOrder.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace engine::support {

namespace {

std::uint16_t Swap16(std::uint16_t v) {
  return static_cast<std::uint16_t>((v >> 8) | (v << 8));
}

std::uint32_t Swap32(std::uint32_t v) {
  return (v >> 24) | ((v >> 8) & 0x0000FF00u) | ((v << 8) & 0x00FF0000u) | (v << 24);
}

// Float to integer conversion is undefined outside the target's range, so out-of-range values
// saturate and NaN gives 0.
template <typename Int, typename Real>
Int Truncate(Real value) {
  if (std::isnan(value)) return 0;
  constexpr Real kLow = static_cast<Real>(std::numeric_limits<Int>::min());  // exact: -2^n
  constexpr Real kHigh = -kLow;                                              // 2^n, out of range
  if (value <= kLow) return std::numeric_limits<Int>::min();
  if (value >= kHigh) return std::numeric_limits<Int>::max();
  return static_cast<Int>(value);
}

template <typename T>
T Same(T v) {
  return v;
}

std::int16_t SwapS(std::int16_t v) {
  return static_cast<std::int16_t>(Swap16(static_cast<std::uint16_t>(v)));
}
std::uint16_t SwapUS(std::uint16_t v) {
  return Swap16(v);
}
std::int32_t SwapL(std::int32_t v) {
  return static_cast<std::int32_t>(Swap32(static_cast<std::uint32_t>(v)));
}
std::uint32_t SwapUL(std::uint32_t v) {
  return Swap32(v);
}

float NativeReadF(std::uint32_t raw) {
  return static_cast<float>(raw);
}
float ReversedReadF(std::uint32_t raw) {
  return static_cast<float>(Swap32(raw));
}

double NativeReadD(std::int64_t raw) {
  return static_cast<double>(raw);
}
double ReadD_MBF(std::int64_t raw) {
  std::fputs("ReadD_MBF: Reversal of 8-bytes and conversion to double is not implemented.\n",
             stdout);
  std::fflush(stdout);
  return NativeReadD(raw);
}

std::int32_t NativeWriteF(float value) {
  return Truncate<std::int32_t>(value);
}
std::int32_t ReversedWriteF(float value) {
  return SwapL(Truncate<std::int32_t>(value));
}

std::int64_t NativeWriteD(double value) {
  return Truncate<std::int64_t>(value);
}
std::int64_t ReversedWriteD(double) {
  return 0;
}

}  // namespace

ByteOrder::ByteOrder() {
  SetReversed(0);
}

void ByteOrder::SetReversed(std::int32_t value) {
  reversed = value != 0 ? 1 : 0;
  // Single bytes never change.
  ReadC = WriteC = Same<std::int8_t>;
  ReadUC = WriteUC = Same<std::uint8_t>;
  if (reversed == 0) {
    ReadS = WriteS = Same<std::int16_t>;
    ReadUS = WriteUS = Same<std::uint16_t>;
    ReadL = WriteL = Same<std::int32_t>;
    ReadUL = WriteUL = Same<std::uint32_t>;
    ReadF = NativeReadF;
    ReadD = NativeReadD;
    WriteF = NativeWriteF;
    WriteD = NativeWriteD;
  } else {
    ReadS = WriteS = SwapS;
    ReadUS = WriteUS = SwapUS;
    ReadL = WriteL = SwapL;
    ReadUL = WriteUL = SwapUL;
    ReadF = ReversedReadF;
    ReadD = ReadD_MBF;
    WriteF = ReversedWriteF;
    WriteD = ReversedWriteD;
  }
}

}  // namespace engine::support
