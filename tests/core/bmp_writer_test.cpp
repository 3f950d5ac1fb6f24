#include "core/bmp_writer.h"

#include <gtest/gtest.h>

#include <vector>

namespace vorrith {
namespace {

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

TEST(BmpWriterTest, HeadersAndBottomUpRows) {
    Surface s;
    ASSERT_EQ(s.Allocate(640, 480), kAllocated);
    for (int i = 0; i < s.stride * s.height; ++i) s.pixels[i] = static_cast<uint8_t>(i * 7);
    const std::vector<uint8_t> bytes = EncodeBmp(s);
    ASSERT_EQ(bytes.size(), 921654u);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(Le32(bytes, 2), 921654u);
    EXPECT_EQ(Le32(bytes, 10), 54u);
    EXPECT_EQ(Le32(bytes, 14), 40u);
    EXPECT_EQ(Le32(bytes, 18), 640u);
    EXPECT_EQ(Le32(bytes, 22), 480u);  // positive: stored bottom-up
    EXPECT_EQ(bytes[26], 1);
    EXPECT_EQ(bytes[28], 24);
    for (size_t at = 30; at < 54; ++at) EXPECT_EQ(bytes[at], 0) << at;
    const uint8_t* bottomRow = s.PixelAddress(0, 479);
    EXPECT_EQ(bytes[54], bottomRow[0]);
    EXPECT_EQ(bytes[55], bottomRow[1]);
    EXPECT_EQ(bytes[56], bottomRow[2]);
    EXPECT_EQ(bytes[54 + 479 * 1920], s.pixels[0]);
    EXPECT_EQ(s.header.biHeight, -480);  // the Surface is left as it was
}

TEST(BmpWriterTest, PaddedRowsKeepTheirPaddingBytes) {
    Surface s;
    ASSERT_EQ(s.Allocate(641, 2), kAllocated);
    for (int i = 0; i < s.stride * s.height; ++i) s.pixels[i] = static_cast<uint8_t>(i);
    const std::vector<uint8_t> bytes = EncodeBmp(s);
    ASSERT_EQ(bytes.size(), 54u + 2 * 1924);
    EXPECT_EQ(bytes[54 + 1923], s.pixels[1924 + 1923]);  // first file row is the bottom row
}

TEST(DefaultPictureNameTest, NamesTheFileAfterTheImageNumber) {
    EXPECT_EQ(DefaultPictureName(0), "Vorrith0.Bmp");
    EXPECT_EQ(DefaultPictureName(32767), "Vorrith32767.Bmp");
}

}  // namespace
}  // namespace vorrith
