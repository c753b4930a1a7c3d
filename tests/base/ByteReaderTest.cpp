#include "base/ByteReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <array>

namespace vantor {
namespace {

TEST(ByteReader, ReadsBothByteOrders) {
    const std::array<std::uint8_t, 8> bytes{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE, 0xF0};
    ByteReader reader(bytes);
    std::uint32_t big = 0;
    std::uint32_t little = 0;
    ASSERT_TRUE(reader.ReadU32BE(big));
    ASSERT_TRUE(reader.ReadU32LE(little));
    EXPECT_EQ(big, 0x12345678u);
    EXPECT_EQ(little, 0xF0DEBC9Au);
    EXPECT_TRUE(reader.AtEnd());
}

TEST(ByteReader, ReadPastTheEndFailsAndKeepsPosition) {
    const std::array<std::uint8_t, 3> bytes{1, 2, 3};
    ByteReader reader(bytes);
    std::uint8_t first = 0;
    ASSERT_TRUE(reader.ReadU8(first));
    std::uint32_t value = 0xDEADBEEF;
    EXPECT_FALSE(reader.ReadU32LE(value));
    EXPECT_EQ(value, 0xDEADBEEFu);
    EXPECT_EQ(reader.Position(), 1u);
    EXPECT_FALSE(reader.Skip(3));
    EXPECT_TRUE(reader.Skip(2));
    EXPECT_FALSE(reader.Seek(4));
}

TEST(ByteReader, TakeRefusesLengthsBeyondTheInput) {
    const std::array<std::uint8_t, 4> bytes{'R', 'I', 'F', 'F'};
    ByteReader reader(bytes);
    EXPECT_TRUE(reader.Matches("RIFF"));
    EXPECT_FALSE(reader.Take(SIZE_MAX).has_value());
    EXPECT_FALSE(reader.Sub(5).has_value());
    auto sub = reader.Sub(2);
    ASSERT_TRUE(sub.has_value());
    EXPECT_EQ(sub->Size(), 2u);
    EXPECT_EQ(reader.TakeString(2).value(), "FF");
}

TEST(ByteReader, FileRangesAreCutToTheFile) {
    test::TempDir dir;
    const auto path = dir.Write("data.bin", std::string_view("0123456789"));
    EXPECT_EQ(ReadFileBytes(path, 8, 100)->size(), 2u);
    EXPECT_EQ(ReadFileBytes(path, 20, 100)->size(), 0u);
    const auto middle = ReadFileBytes(path, 3, 4);
    ASSERT_TRUE(middle.has_value());
    EXPECT_EQ(std::string(middle->begin(), middle->end()), "3456");
    EXPECT_FALSE(ReadFileBytes(dir.File("missing.bin")).has_value());
    EXPECT_EQ(FileSize(path).value(), 10u);
}

} // namespace
} // namespace vantor
