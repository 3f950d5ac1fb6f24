#include <gtest/gtest.h>

#include "saver/about_layout.h"

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

}  // namespace
}  // namespace vorrith
