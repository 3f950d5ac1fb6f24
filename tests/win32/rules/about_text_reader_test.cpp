#include "win32/rules/about_text_reader.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace vorrith {
namespace {

class AboutTextReaderTest : public ::testing::Test {
protected:
    const std::string text = "{\\rtf1 Hello}";
    AboutTextReader reader{reinterpret_cast<const uint8_t*>(text.data()), static_cast<long>(text.size()), 0};
    uint8_t buffer[64] = {};
    long transferred = -7;
};

TEST_F(AboutTextReaderTest, DeliversInRequestedPiecesThenTheRemainderThenEnds) {
    EXPECT_TRUE(ReadAboutChunk(reader, buffer, 5, transferred));
    EXPECT_EQ(transferred, 5);
    EXPECT_EQ(std::memcmp(buffer, "{\\rtf", 5), 0);
    EXPECT_TRUE(ReadAboutChunk(reader, buffer, 64, transferred));
    EXPECT_EQ(transferred, static_cast<long>(text.size()) - 5);
    EXPECT_EQ(std::memcmp(buffer, "1 Hello}", 8), 0);
    EXPECT_FALSE(ReadAboutChunk(reader, buffer, 64, transferred));
    EXPECT_EQ(transferred, 0);
    EXPECT_EQ(reader.delivered, static_cast<long>(text.size()));
}

TEST_F(AboutTextReaderTest, NegativeOrZeroRequestDeliversNothingAndKeepsGoing) {
    EXPECT_TRUE(ReadAboutChunk(reader, buffer, -3, transferred));
    EXPECT_EQ(transferred, 0);
    EXPECT_TRUE(ReadAboutChunk(reader, buffer, 0, transferred));
    EXPECT_EQ(reader.delivered, 0);
}

TEST(AboutTextReaderEmptyTest, MissingTextEndsAtOnce) {
    AboutTextReader reader{nullptr, 0, 0};
    long transferred = -1;
    EXPECT_FALSE(ReadAboutChunk(reader, nullptr, 100, transferred));
    EXPECT_EQ(transferred, 0);
}

}  // namespace
}  // namespace vorrith
