#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "saver/about_layout.h"
#include "saver/about_text_reader.h"

namespace vorrith {

void PrintTo(const ControlBox& box, std::ostream* os) {
    *os << "{" << box.x << ", " << box.y << ", " << box.width << " x " << box.height << "}";
}

namespace {

TEST(AboutLayoutTest, ButtonsKeepToTheBottomRightAndTextFillsTheRest) {
    const AboutBoxLayout layout = LayOutAboutBox(900, 700, 57, 24, 180);
    EXPECT_EQ(layout.okButton, (ControlBox{900 - 57 - 12, 700 - 12 - 24, 57, 24}));
    EXPECT_EQ(layout.webButton, (ControlBox{831 - 180 - 12, 664, 180, 24}));
    EXPECT_EQ(layout.text, (ControlBox{0, 0, 900, 700 - 48}));
}

TEST(AboutLayoutTest, OddButtonHeightHalvesTowardZero) {
    const AboutBoxLayout layout = LayOutAboutBox(444, 362, 57, 25, 180);
    EXPECT_EQ(layout.okButton.x, 444 - 57 - 12);
    EXPECT_EQ(layout.okButton.y, 362 - 12 - 25);
    EXPECT_EQ(layout.webButton.x, layout.okButton.x - 180 - 12);
    EXPECT_EQ(layout.text.height, 362 - 50);
}

class AboutTextReaderTest : public ::testing::Test {
protected:
    const std::string text = "{\\rtf1 Hello}";
    AboutTextReader reader{reinterpret_cast<const uint8_t*>(text.data()), static_cast<long>(text.size()), 0};
    uint8_t buffer[64] = {};
    long transferred = -7;
};

TEST_F(AboutTextReaderTest, DeliversInRequestedPiecesThenTheRemainderThenEnds) {
    EXPECT_EQ(ReadAboutChunk(reader, buffer, 5, transferred), 0);
    EXPECT_EQ(transferred, 5);
    EXPECT_EQ(std::memcmp(buffer, "{\\rtf", 5), 0);
    EXPECT_EQ(ReadAboutChunk(reader, buffer, 64, transferred), 0);
    EXPECT_EQ(transferred, static_cast<long>(text.size()) - 5);
    EXPECT_EQ(std::memcmp(buffer, "1 Hello}", 8), 0);
    EXPECT_EQ(ReadAboutChunk(reader, buffer, 64, transferred), 1);
    EXPECT_EQ(transferred, 0);
    EXPECT_EQ(reader.delivered, static_cast<long>(text.size()));
}

TEST_F(AboutTextReaderTest, NegativeOrZeroRequestDeliversNothingAndKeepsGoing) {
    EXPECT_EQ(ReadAboutChunk(reader, buffer, -3, transferred), 0);
    EXPECT_EQ(transferred, 0);
    EXPECT_EQ(ReadAboutChunk(reader, buffer, 0, transferred), 0);
    EXPECT_EQ(reader.delivered, 0);
}

TEST(AboutTextReaderEmptyTest, MissingTextEndsAtOnce) {
    AboutTextReader reader{nullptr, 0, 0};
    long transferred = -1;
    EXPECT_EQ(ReadAboutChunk(reader, nullptr, 100, transferred), 1);
    EXPECT_EQ(transferred, 0);
}

}  // namespace
}  // namespace vorrith
