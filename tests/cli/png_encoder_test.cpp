// A picture libpng refuses fails in libpng's own words, not as a lack of memory; a
// picture made band by band is the same file as the picture encoded whole.
#include "cli/output/png_encoder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <functional>
#include <string>

#include "cli/output/bmp_stream.h"
#include "core/bmp_writer.h"

namespace vorrith {
namespace {

TEST(PngEncoderTest, ARefusalByLibpngKeepsItsCause) {
    const uint8_t pixel[3] = {};
    std::vector<uint8_t> bytes{1, 2, 3};
    const OutputResult result = EncodePng(PixelRows{pixel, 0, 1, 3}, PngEffort::kQuick, bytes);
    EXPECT_FALSE(result.ok());
    const std::string message = result.Message("not enough memory");
    EXPECT_EQ(message.rfind("libpng cannot encode the picture: ", 0), 0u) << message;
    EXPECT_NE(message.find("width"), std::string::npos) << message;  // libpng's warning, which names the fault
    EXPECT_TRUE(bytes.empty());
}

// The bytes a streamed encoder writes, in a temporary file read back whole.
std::vector<uint8_t> Streamed(const std::function<OutputResult(DescriptorWriter&)>& encode) {
    std::FILE* file = std::tmpfile();
    DescriptorWriter out(fileno(file));
    EXPECT_TRUE(encode(out).ok());
    std::vector<uint8_t> bytes(static_cast<size_t>(std::ftell(file)));
    std::rewind(file);
    EXPECT_EQ(std::fread(bytes.data(), 1, bytes.size(), file), bytes.size());
    std::fclose(file);
    return bytes;
}

TEST(PngEncoderTest, BandsOfAnyHeightMakeTheWholePicturesFile) {
    Surface picture;  // 13 x 23: rows padded in a BMP, bands of 7 leave a short one
    ASSERT_EQ(picture.Allocate(13, 23), kAllocated);
    // A Surface's row padding is copied into its BMP as stored, and the banded writer pads
    // with zeros: the padding is set to zero so that the two files can be compared.
    std::memset(picture.pixels, 0, static_cast<size_t>(picture.stride) * picture.height);
    for (int y = 0; y < 23; ++y) {
        for (int x = 0; x < 39; ++x) picture.PixelAddress(0, y)[x] = static_cast<uint8_t>(x * 7 + y * 31);
    }
    const BandedPicture banded{13, 23, 7, [&](int top, int rows, uint8_t* out, size_t stride) {
                                   for (int y = 0; y < rows; ++y)
                                       std::memcpy(out + y * stride, picture.PixelAddress(0, top + y), 39);
                                   return OutputResult::Done();
                               }};
    EXPECT_EQ(Streamed([&](DescriptorWriter& out) { return WriteBmp(banded, out); }), EncodeBmp(picture));
    std::vector<uint8_t> whole;
    ASSERT_TRUE(EncodePng(RowsOf(picture), PngEffort::kQuick, whole).ok());
    EXPECT_EQ(Streamed([&](DescriptorWriter& out) { return EncodePng(banded, PngEffort::kQuick, out); }), whole);
}

}  // namespace
}  // namespace vorrith
