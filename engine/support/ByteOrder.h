// ByteOrder.h -- the table of byte-order conversions that readers of foreign-order files pass
// every multi-byte value through.
#pragma once

#include <cstdint>

namespace engine::support {

class ByteOrder {
 public:
  // A new table is native (little-endian, values unchanged).
  ByteOrder();

  // 0 installs the native set, any other value the reversed set.
  void SetReversed(std::int32_t value);

  // The four conversions the engine uses, forwarded to their slots.
  std::int16_t ReadShort(std::int16_t raw) const { return ReadS(raw); }
  std::int32_t ReadLong(std::int32_t raw) const { return ReadL(raw); }
  std::int16_t WriteShort(std::int16_t value) const { return WriteS(value); }
  std::int32_t WriteLong(std::int32_t value) const { return WriteL(value); }

  std::int32_t reversed = 0;
  // Reads take the raw bits as they lay in the file; writes take the host value and give the
  // bits to store. The floating slots convert integer bit patterns numerically; nothing in the
  // engine relies on them for real floating-point data.
  std::int8_t (*ReadC)(std::int8_t) = nullptr;
  std::uint8_t (*ReadUC)(std::uint8_t) = nullptr;
  std::int16_t (*ReadS)(std::int16_t) = nullptr;
  std::uint16_t (*ReadUS)(std::uint16_t) = nullptr;
  std::int32_t (*ReadL)(std::int32_t) = nullptr;
  std::uint32_t (*ReadUL)(std::uint32_t) = nullptr;
  float (*ReadF)(std::uint32_t) = nullptr;
  double (*ReadD)(std::int64_t) = nullptr;
  std::int8_t (*WriteC)(std::int8_t) = nullptr;
  std::uint8_t (*WriteUC)(std::uint8_t) = nullptr;
  std::int16_t (*WriteS)(std::int16_t) = nullptr;
  std::uint16_t (*WriteUS)(std::uint16_t) = nullptr;
  std::int32_t (*WriteL)(std::int32_t) = nullptr;
  std::uint32_t (*WriteUL)(std::uint32_t) = nullptr;
  std::int32_t (*WriteF)(float) = nullptr;
  std::int64_t (*WriteD)(double) = nullptr;
};

}  // namespace engine::support
