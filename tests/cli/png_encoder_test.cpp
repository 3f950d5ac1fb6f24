// A picture libpng refuses fails in libpng's own words, not as a lack of memory.
#include "cli/output/png_encoder.h"

#include <gtest/gtest.h>

#include <string>

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

}  // namespace
}  // namespace vorrith
