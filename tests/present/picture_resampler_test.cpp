// The resampler against what a scale must keep: the picture itself at its own size,
// whole pixels under nearest doubling, flat colour and straight ramps in every mix of
// shrinking and enlarging, and the same bytes however the output is cut into bands.
#include "present/picture_resampler.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/support/picture_fixture.h"

namespace vorrith {
namespace {

struct Output {
    PictureSize size;
    std::vector<uint8_t> bytes;

    const uint8_t* At(int x, int y) const { return bytes.data() + (static_cast<size_t>(y) * size.width + x) * 3; }
};

Output Made(PictureResampler& resampler) {
    Output out{resampler.size(), {}};
    out.bytes.resize(static_cast<size_t>(out.size.width) * out.size.height * 3);
    resampler.MakeRows(0, out.size.height, out.bytes.data(), static_cast<size_t>(out.size.width) * 3);
    return out;
}

// A width x height picture whose blue rises by 4 a column and green by 4 a row, and
// whose red steps from 0 to 255 halfway across: a hard edge the cubic overshoots.
struct Ramps {
    Ramps(int width, int height) : bytes(static_cast<size_t>(width) * height * 3) {
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                uint8_t* pixel = bytes.data() + (static_cast<size_t>(y) * width + x) * 3;
                pixel[0] = static_cast<uint8_t>(4 * x);
                pixel[1] = static_cast<uint8_t>(4 * y);
                pixel[2] = x < width / 2 ? 0 : 255;
            }
        }
        rows = {bytes.data(), width, height, static_cast<size_t>(width) * 3};
    }
    std::vector<uint8_t> bytes;
    PixelRows rows;
};

// The value such a ramp has at output pixel i of a placement of length pixels that
// halves it, keeps it or doubles it: halving averages two steps, doubling passes halfway
// between them. -1 at other scales, and where the ramp's ends bend the cubic.
int RampAt(int i, int length, int sourceLength) {
    if (2 * length == sourceLength) return 8 * i + 2;
    if (length == sourceLength) return 4 * i;
    if (length == 2 * sourceLength && i >= 2 && i < length - 2) return 2 * i - 1;
    return -1;
}

class PictureResamplerTest : public CanvasTest {
protected:
    void SetUp() override {
        CanvasTest::SetUp();
        RenderPicture(12345);
    }
};

TEST_F(PictureResamplerTest, OwnSizeIsThePictureAndNearestDoublingRepeatsEachPixel) {
    for (const FitMode mode : {FitMode::kFit, FitMode::kFill}) {
        for (const ScaleFilter filter : {ScaleFilter::kSmooth, ScaleFilter::kNearest}) {
            PictureResampler same(RowsOf(Canvas), {640, 480}, mode, filter);
            ASSERT_TRUE(same.ok());
            const Output out = Made(same);
            for (int y = 0; y < 480; ++y) {
                ASSERT_EQ(std::memcmp(out.At(0, y), Canvas.PixelAddress(0, y), 640 * 3), 0) << "row " << y;
            }
        }
    }
    PictureResampler doubled(RowsOf(Canvas), {1280, 960}, FitMode::kFit, ScaleFilter::kNearest);
    const Output big = Made(doubled);
    for (int y = 0; y < 960; ++y) {
        for (int x = 0; x < 1280; ++x) {
            ASSERT_EQ(std::memcmp(big.At(x, y), Canvas.PixelAddress(x / 2, y / 2), 3), 0) << x << "," << y;
        }
    }
}

TEST_F(PictureResamplerTest, BandsInAnyOrderGiveTheWholeOutput) {
    for (const PictureSize size : {PictureSize{1000, 700}, PictureSize{150, 100}}) {
        PictureResampler whole(RowsOf(Canvas), size, FitMode::kFill, ScaleFilter::kSmooth);
        const Output expected = Made(whole);
        PictureResampler banded(RowsOf(Canvas), size, FitMode::kFill, ScaleFilter::kSmooth);
        Output out{size, std::vector<uint8_t>(expected.bytes.size())};
        const size_t stride = static_cast<size_t>(size.width) * 3;
        for (int top = (size.height - 1) / 7 * 7; top >= 0; top -= 7) {  // bottom-up, as a BMP is written
            banded.MakeRows(top, std::min(7, size.height - top), out.bytes.data() + top * stride, stride);
        }
        EXPECT_TRUE(out.bytes == expected.bytes) << size.width << "x" << size.height;
    }
}

TEST(PictureResampler, RampsAndEdgesSurviveEveryMixOfShrinkingAndEnlarging) {
    const Ramps ramps(48, 40);
    const struct {
        PictureSize size;
        PixelRect place;
    } cases[] = {
        {{120, 20}, {12, 0, 96, 20}},   // across doubled between bars, down halved
        {{24, 80}, {0, 0, 24, 80}},     // across halved, down doubled
        {{50, 30}, {-23, -5, 96, 40}},  // a fill's overhang, cropped
        {{70, 27}, {0, 0, 70, 27}},     // scales without whole steps
    };
    for (const auto& c : cases) {
        PictureResampler resampler(ramps.rows, c.size, c.place, ScaleFilter::kSmooth);
        ASSERT_TRUE(resampler.ok());
        const Output out = Made(resampler);
        for (int y = 0; y < c.size.height; ++y) {
            int red = 0;  // rises across the edge, clamped, never wrapping round
            for (int x = 0; x < c.size.width; ++x) {
                const uint8_t* pixel = out.At(x, y);
                const int i = x - c.place.left;
                const std::string where = std::to_string(x) + "," + std::to_string(y);
                if (i < 0 || i >= c.place.width) {
                    EXPECT_EQ(pixel[0] | pixel[1] | pixel[2], 0) << where;  // a bar
                    continue;
                }
                EXPECT_GE(pixel[2], red) << where;
                red = pixel[2];
                const int blue = RampAt(i, c.place.width, 48);
                const int green = RampAt(y - c.place.top, c.place.height, 40);
                if (blue >= 0) {
                    EXPECT_EQ(pixel[0], blue) << where;
                }
                if (green >= 0) {
                    EXPECT_EQ(pixel[1], green) << where;
                }
            }
            EXPECT_EQ(red, 255) << y;
        }
    }
}

TEST(PictureResampler, RefusesSizesBeyondTheLimitsAndEmptyPictures) {
    const Ramps ramps(4, 3);
    Surface out;
    for (const PictureSize size : {PictureSize{0, 100}, PictureSize{100, 16385}}) {
        EXPECT_FALSE(PictureResampler(ramps.rows, size, FitMode::kFill, ScaleFilter::kSmooth).ok());
        EXPECT_EQ(ResamplePicture(ramps.rows, size, FitMode::kFit, ScaleFilter::kSmooth, out), kInvalidSize);
    }
    EXPECT_FALSE(PictureResampler({nullptr, 0, 0, 0}, {16, 12}, FitMode::kFit, ScaleFilter::kSmooth).ok());
    EXPECT_EQ(ResamplePicture(ramps.rows, {16384, 1}, FitMode::kFill, ScaleFilter::kSmooth, out), kAllocated);
}

}  // namespace
}  // namespace vorrith
