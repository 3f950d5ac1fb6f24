// The page's RGBA pictures: resampled as the renderer's --size resamples, in red, green,
// blue and opaque alpha order; a refused size leaves the caller's bytes alone.
#include <gtest/gtest.h>

#include <vector>

#include "core/colour.h"
#include "web/rgba_picture.h"

namespace vorrith {
namespace {

TEST(ResampleToRgbaTest, AveragesAreasRoundedInRgbaOrderAndRefusesBadSizes) {
    Surface surface;
    ASSERT_EQ(surface.Allocate(2, 2), kAllocated);
    const uint32_t colours[2][2] = {{MakeColour(10, 0, 200), MakeColour(1, 2, 3)},
                                    {MakeColour(20, 0, 100), MakeColour(1, 2, 4)}};
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 2; ++x) surface.PutPixel(x, y, colours[y][x]);
    }
    std::vector<uint8_t> rgba(4, 7);
    ASSERT_TRUE(ResampleToRgba(RowsOf(surface), {1, 1}, FitMode::kFill, ScaleFilter::kSmooth, rgba.data()));
    // Red 32/4 = 8, green 4/4 = 1, blue 307/4 rounds up to 77.
    EXPECT_EQ(rgba, (std::vector<uint8_t>{8, 1, 77, 255}));

    std::vector<uint8_t> untouched(4, 7);
    EXPECT_FALSE(ResampleToRgba(RowsOf(surface), {0, 1}, FitMode::kFill, ScaleFilter::kSmooth, untouched.data()));
    EXPECT_EQ(untouched, std::vector<uint8_t>(4, 7));
}

}  // namespace
}  // namespace vorrith
