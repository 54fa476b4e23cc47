// ByteOrderTest.cpp -- the native and reversed conversion sets, fed with bytes as they lie in
// a file.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "engine/support/ByteOrder.h"
#include "engine/support/File.h"
#include "tests/common/TempDir.h"

namespace engine::support {
namespace {

// The raw value a little-endian host holds after copying these bytes from a file.
template <typename T>
T Raw(const std::string& bytes) {
  T value{};
  std::memcpy(&value, bytes.data(), sizeof value);
  return value;
}

const std::string kBigEndian("\x12\x34\x12\x34\x56\x78", 6);

TEST(ByteOrder, ReversedSetReadsAndWritesBigEndianFiles) {
  tests::TempDir dir;
  dir.Write("in.bin", kBigEndian);
  File in("in.bin", FILE_READ | RANDOM);
  std::int16_t s = 0;
  std::int32_t l = 0;
  ASSERT_EQ(in.Read2(s), FILE_SUCCESS);
  ASSERT_EQ(in.Read4(l), FILE_SUCCESS);

  ByteOrder order;
  EXPECT_EQ(order.reversed, 0);
  EXPECT_EQ(order.ReadShort(s), 0x3412);
  EXPECT_EQ(order.ReadLong(l), 0x78563412);
  order.SetReversed(1);
  EXPECT_EQ(order.reversed, 1);
  EXPECT_EQ(order.ReadShort(s), 0x1234);
  EXPECT_EQ(order.ReadLong(l), 0x12345678);
  {
    File out("out.bin", FILE_WRITE | FILE_AUTOCREATE | RANDOM);
    EXPECT_EQ(out.Write2(order.WriteShort(0x1234)), FILE_SUCCESS);
    EXPECT_EQ(out.Write4(order.WriteLong(0x12345678)), FILE_SUCCESS);
  }
  EXPECT_EQ(dir.Read("out.bin"), kBigEndian);
}

TEST(ByteOrder, IntegerSlotsOfBothSets) {
  ByteOrder order;
  for (std::int32_t reversed : {0, 1, 0}) {
    order.SetReversed(reversed);
    const bool r = reversed != 0;
    EXPECT_EQ(order.ReadC(-5), -5);
    EXPECT_EQ(order.WriteC(-5), -5);
    EXPECT_EQ(order.ReadUC(0xAB), 0xAB);
    EXPECT_EQ(order.WriteUC(0xAB), 0xAB);
    EXPECT_EQ(order.ReadS(Raw<std::int16_t>("\xFF\x80")), r ? -128 : -32513);
    EXPECT_EQ(order.WriteS(-128), r ? Raw<std::int16_t>("\xFF\x80") : -128);
    EXPECT_EQ(order.ReadUS(0xFF00), r ? 0x00FF : 0xFF00);
    EXPECT_EQ(order.WriteUS(0x00FF), r ? 0xFF00 : 0x00FF);
    EXPECT_EQ(order.ReadL(Raw<std::int32_t>("\xFF\xFF\xFF\xFE")), r ? -2 : -16777217);
    EXPECT_EQ(order.WriteL(-2), r ? Raw<std::int32_t>("\xFF\xFF\xFF\xFE") : -2);
    EXPECT_EQ(order.ReadUL(0x11223344u), r ? 0x44332211u : 0x11223344u);
    EXPECT_EQ(order.WriteUL(0x11223344u), r ? 0x44332211u : 0x11223344u);
  }
  order.SetReversed(7);
  EXPECT_EQ(order.reversed, 1);
}

TEST(ByteOrder, FloatSlotsConvertBitPatternsNumerically) {
  using Int32 = std::numeric_limits<std::int32_t>;
  using Int64 = std::numeric_limits<std::int64_t>;
  ByteOrder order;
  EXPECT_EQ(order.ReadF(0x3F800000u), 1065353216.0f);
  EXPECT_EQ(order.ReadD(-5), -5.0);
  EXPECT_EQ(order.WriteF(3.9f), 3);
  EXPECT_EQ(order.WriteF(-3.9f), -3);
  EXPECT_EQ(order.WriteD(-2.5), -2);
  // Values an integer cannot hold saturate instead of being undefined.
  EXPECT_EQ(order.WriteF(2147483648.0f), Int32::max());
  EXPECT_EQ(order.WriteF(-1e20f), Int32::min());
  EXPECT_EQ(order.WriteF(std::numeric_limits<float>::quiet_NaN()), 0);
  EXPECT_EQ(order.WriteD(1e300), Int64::max());
  EXPECT_EQ(order.WriteD(-1e300), Int64::min());
  EXPECT_EQ(order.WriteD(std::nan("")), 0);

  order.SetReversed(1);
  EXPECT_EQ(order.ReadF(0x00000001u), 16777216.0f);
  EXPECT_EQ(order.WriteF(1.0f), 0x01000000);
  EXPECT_EQ(order.WriteF(1e20f), static_cast<std::int32_t>(0xFFFFFF7Fu));
  EXPECT_EQ(order.WriteD(12345.0), 0);
  testing::internal::CaptureStdout();
  const double d = order.ReadD(0x0100);
  EXPECT_EQ(testing::internal::GetCapturedStdout(),
            "ReadD_MBF: Reversal of 8-bytes and conversion to double is not implemented.\n");
  EXPECT_EQ(d, 256.0);
}

}  // namespace
}  // namespace engine::support
