// The page's RGBA pictures: the thumbnail shrink averages whole blocks, rounded, and
// turns blue-green-red pixels into red, green, blue and opaque alpha.
#include <gtest/gtest.h>

#include <vector>

#include "core/colour.h"
#include "web/rgba_picture.h"

namespace vorrith {
namespace {

TEST(ShrinkToRgbaTest, AveragesBlocksRoundedInRgbaOrder) {
    Surface surface;
    ASSERT_EQ(surface.Allocate(3, 2), kAllocated);
    const uint32_t colours[2][3] = {{MakeColour(10, 0, 200), MakeColour(1, 2, 3), MakeColour(2, 2, 4)},
                                    {MakeColour(20, 0, 100), MakeColour(1, 2, 3), MakeColour(1, 2, 4)}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) surface.PutPixel(x, y, colours[y][x]);
    }
    RgbaPicture picture;
    ShrinkToRgba(surface, 2, 1, picture);
    // Blocks of columns [0, 1) and [1, 3): red 5/4 rounds down, blue 14/4 up.
    EXPECT_EQ(picture.bytes, (std::vector<uint8_t>{15, 0, 150, 255, 1, 2, 4, 255}));
}

}  // namespace
}  // namespace vorrith
