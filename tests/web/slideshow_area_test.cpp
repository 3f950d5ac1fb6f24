#include "web/slideshow_area.h"

#include <gtest/gtest.h>

namespace vorrith {
namespace {

struct AreaCase {
    int32_t screenWidth;
    int32_t screenHeight;
    ScreenRect expected;
};

TEST(LargestPictureRect, IsTheLargestCentredFourByThreeRectangle) {
    const AreaCase cases[] = {
        {640, 480, {0, 0, 640, 480}},        // the picture's own size
        {1024, 768, {0, 0, 1024, 768}},      // 4:3, larger
        {1920, 1080, {240, 0, 1680, 1080}},  // wide: black bars left and right
        {1080, 1920, {0, 555, 1080, 1365}},  // tall: black bars above and below
        {1366, 768, {171, 0, 1195, 768}},    // odd margin: the left half truncated
        {801, 600, {0, 0, 800, 600}},        // one column spare, kept on the right
        {320, 200, {27, 0, 293, 200}},       // smaller than the picture: it shrinks
        {0, 768, {0, 0, 0, 0}},
        {1024, -1, {0, 0, 0, 0}},
    };
    for (const AreaCase& c : cases) {
        const ScreenRect r = LargestPictureRect(c.screenWidth, c.screenHeight);
        SCOPED_TRACE(testing::Message() << c.screenWidth << " x " << c.screenHeight);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
    }
}

}  // namespace
}  // namespace vorrith
