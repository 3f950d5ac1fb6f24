#include "core/bmp_writer.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "tests/support/scratch_folder.h"

namespace vorrith {
namespace {

namespace fs = std::filesystem;

std::vector<uint8_t> ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

class BmpWriterTest : public ::testing::Test {
protected:
    ScratchFolder scratch{"bmp"};
    const fs::path folder = scratch.path();
};

TEST_F(BmpWriterTest, HeadersAndBottomUpRows) {
    Surface s;
    ASSERT_EQ(s.Allocate(640, 480), kAllocated);
    for (int i = 0; i < s.stride * s.height; ++i) s.pixels[i] = static_cast<uint8_t>(i * 7);
    const fs::path file = folder / "a.bmp";
    ASSERT_EQ(WriteBmp(s, file.string()), 0);
    const auto bytes = ReadFile(file);
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

TEST_F(BmpWriterTest, PaddedRowsKeepTheirPaddingBytes) {
    Surface s;
    ASSERT_EQ(s.Allocate(641, 2), kAllocated);
    for (int i = 0; i < s.stride * s.height; ++i) s.pixels[i] = static_cast<uint8_t>(i);
    const fs::path file = folder / "padded.bmp";
    ASSERT_EQ(WriteBmp(s, file.string()), 0);
    const auto bytes = ReadFile(file);
    ASSERT_EQ(bytes.size(), 54u + 2 * 1924);
    EXPECT_EQ(bytes[54 + 1923], s.pixels[1924 + 1923]);  // first file row is the bottom row
}

TEST_F(BmpWriterTest, FailuresAreReportedAndLeaveNothing) {
    Surface s;
    ASSERT_EQ(s.Allocate(4, 4), kAllocated);
    std::fill(s.pixels, s.pixels + s.stride * s.height, 1);
    EXPECT_EQ(WriteBmp(s, (folder / "missing" / "a.bmp").string()), -1);
    EXPECT_FALSE(fs::exists(folder / "missing"));
    std::ofstream(folder / "plain") << "x";
    EXPECT_EQ(WriteBmp(s, (folder / "plain" / "a.bmp").string()), -1);
    if (fs::exists("/dev/full")) {
        EXPECT_EQ(WriteBmp(s, "/dev/full"), -2);
        EXPECT_TRUE(fs::exists("/dev/full"));  // a device is never removed
    }
}

TEST(DefaultPictureNameTest, NamesTheFileAfterTheImageNumber) {
    EXPECT_EQ(DefaultPictureName(0), "Vorrith0.Bmp");
    EXPECT_EQ(DefaultPictureName(32767), "Vorrith32767.Bmp");
}

}  // namespace
}  // namespace vorrith
