#include "core/surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace vorrith {
namespace {

class SurfaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(surface.Allocate(8, 4), kAllocated);
        std::fill(surface.pixels, surface.pixels + surface.stride * surface.height + 1, 0);
    }
    void Fill(uint32_t colour) {
        for (int y = 0; y < surface.height; ++y) surface.FillSpan(0, surface.width - 1, y, colour);
    }
    Surface surface;
};

TEST(SurfaceAllocation, StrideHeaderAndRefusals) {
    Surface s;
    ASSERT_EQ(s.Allocate(640, 480), kAllocated);
    EXPECT_EQ(s.stride, 1920);
    EXPECT_EQ(s.header.biSize, 40u);
    EXPECT_EQ(s.header.biWidth, 640);
    EXPECT_EQ(s.header.biHeight, -480);
    EXPECT_EQ(s.header.biBitCount, 24);
    uint8_t* first = s.pixels;
    EXPECT_EQ(s.Allocate(10, 10), kAlreadyAllocated);
    EXPECT_EQ(s.pixels, first);
    EXPECT_EQ(s.width, 640);
    s.Release();
    EXPECT_EQ(s.pixels, nullptr);
    EXPECT_EQ(s.width, 640);  // sizes survive a release
    ASSERT_EQ(s.Allocate(641, 1), kAllocated);
    EXPECT_EQ(s.stride, 1924);
    s.Release();
    // Sizes no buffer can have are refused as such, not as a lack of memory.
    const std::pair<int, int> invalidSizes[] = {{-1, 10}, {10, -1}, {INT32_MAX, 1}, {40000, 40000}, {1, INT32_MAX}};
    for (const auto& size : invalidSizes) {
        EXPECT_EQ(s.Allocate(size.first, size.second), kInvalidSize) << size.first << " x " << size.second;
        EXPECT_EQ(s.pixels, nullptr);
        EXPECT_EQ(s.width, 641);
    }
}

TEST_F(SurfaceTest, PutAndGetPixelStoreBlueGreenRed) {
    surface.PutPixel(7, 3, 0xAB345678);
    const uint8_t* p = surface.PixelAddress(7, 3);
    EXPECT_EQ(p[0], 0x78);
    EXPECT_EQ(p[1], 0x56);
    EXPECT_EQ(p[2], 0x34);
    EXPECT_EQ(surface.GetPixel(7, 3), 0x345678u);  // last pixel: reads the spare byte
    EXPECT_FALSE(surface.PutPixelClipped(8, 0, 1));
    EXPECT_FALSE(surface.PutPixelClipped(0, -1, 1));
    EXPECT_TRUE(surface.PutPixelClipped(0, 0, 0x010203));
    EXPECT_EQ(surface.GetPixel(0, 0), 0x010203u);
}

TEST_F(SurfaceTest, FillSpanSwapsClampsAndSkipsOutsideRows) {
    surface.FillSpan(700, -5, 1, 0xFFFFFF);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(surface.GetPixel(x, 1), 0xFFFFFFu) << x;
    surface.FillSpan(3, 3, 2, 0x123456);
    EXPECT_EQ(surface.GetPixel(3, 2), 0x123456u);
    EXPECT_EQ(surface.GetPixel(2, 2), 0u);
    EXPECT_EQ(surface.GetPixel(4, 2), 0u);
    surface.FillSpan(0, 7, 4, 0xFFFFFF);
    surface.FillSpan(-9, -1, 0, 0xFFFFFF);
    EXPECT_EQ(surface.GetPixel(0, 0), 0u);
    EXPECT_EQ(surface.pixels[surface.stride * surface.height], 0);  // spare byte untouched
}

TEST_F(SurfaceTest, BlendsTruncateOrRoundAsEachPrimitiveSays) {
    Fill(0x808080);
    surface.BlendPixel(0, 0, 256, 0x123456);
    EXPECT_EQ(surface.GetPixel(0, 0), 0x123456u);
    surface.BlendPixel(1, 0, 0, 0x123456);
    EXPECT_EQ(surface.GetPixel(1, 0), 0x808080u);
    surface.BlendPixel(2, 0, 128, 0xFF0001);  // (128*128 + 255*128) >> 8 = 191; (128*128+128)>>8 = 64
    EXPECT_EQ(surface.GetPixel(2, 0), 0xBF4040u);
    EXPECT_TRUE(surface.BlendPixelClipped(3, 0, 0, 0xFFFFFF));
    EXPECT_EQ(surface.GetPixel(3, 0), 0x808080u);
    EXPECT_FALSE(surface.BlendPixelClipped(-1, 0, 100, 0xFFFFFF));
    surface.AddPixel(4, 0, 200, 0, 10);
    EXPECT_EQ(surface.GetPixel(4, 0), 0xFF808Au);
    surface.AddPixel(8, 0, 1, 1, 1);  // outside: nothing
    surface.PutPixel(5, 0, 0xFAFA00);
    surface.ScalePixel(5, 0, 265);
    EXPECT_EQ(surface.GetPixel(5, 0), 0xFFFF00u);
    surface.PutPixel(6, 0, 0x000001);
    surface.ScalePixel(6, 0, 128);  // (1 * 128 + 128) >> 8 = 1: rounded
    EXPECT_EQ(surface.GetPixel(6, 0), 0x000001u);
}

TEST_F(SurfaceTest, BlendMaskRowStretchesTheMaskAndRounds) {
    const uint8_t single[] = {128};
    surface.BlendMaskRow(0, 0, 8, single, 1, 0xFFFFFF);
    for (int x = 0; x < 8; ++x) EXPECT_EQ(surface.GetPixel(x, 0), 0x808080u) << x;  // (255*128+128)>>8
    const uint8_t ramp[] = {0, 64, 128, 192, 255, 0, 1, 2};
    surface.BlendMaskRow(0, 1, 8, ramp, 8, 0xFFFFFF);
    EXPECT_EQ(surface.GetPixel(0, 1), 0u);
    EXPECT_EQ(surface.GetPixel(1, 1), 0x404040u);
    EXPECT_EQ(surface.GetPixel(4, 1), 0xFEFEFEu);
    EXPECT_EQ(surface.GetPixel(5, 1), 0u);
    const uint8_t two[] = {0, 255};
    surface.BlendMaskRow(0, 2, 8, two, 2, 0x0000FF);  // step 292 truncated: 7 * 292 < 2048
    for (int x = 0; x < 8; ++x) EXPECT_EQ(surface.GetPixel(x, 2), 0u) << x;
    surface.BlendMaskRow(0, 3, 1, ramp + 4, 8, 0xFFFFFF);
    EXPECT_EQ(surface.GetPixel(0, 3), 0xFEFEFEu);
}

TEST_F(SurfaceTest, BlendMaskAndAddImageDrawOnlyTheOverlap) {
    const uint8_t mask[] = {255, 128, 0, 10, 20, 30};  // 3 x 2
    surface.BlendMask(-1, 3, 3, 2, mask, 0xFFFFFF);    // one column off the left, one row off the bottom
    EXPECT_EQ(surface.GetPixel(0, 3), 0x7F7F7Fu);      // mask column 1: (255*128) >> 8
    EXPECT_EQ(surface.GetPixel(1, 3), 0u);
    surface.BlendMask(7, 0, 3, 2, mask, 0xFFFFFF);  // off the right
    EXPECT_EQ(surface.GetPixel(7, 0), 0xFEFEFEu);   // m = 255 stops one short
    EXPECT_EQ(surface.GetPixel(7, 1), 0x090909u);
    surface.BlendMask(8, 0, 3, 2, mask, 0xFFFFFF);  // wholly off: nothing, no fault
    surface.BlendMask(-3, 0, 3, 2, mask, 0xFFFFFF);

    std::vector<uint8_t> image(3 * 2 * 3, 0);  // 2 x 3, only the second pixel of each row set
    for (int r = 0; r < 3; ++r) image[r * 6 + 3] = static_cast<uint8_t>(100 + r);
    surface.PutPixel(0, 0, 0x0000C8);
    surface.AddImage(-1, -1, 2, 3, image.data());  // row -1 skipped, column -1 clipped
    EXPECT_EQ(surface.GetPixel(0, 0), 0x0000FFu);  // 200 + 101 saturates
    EXPECT_EQ(surface.GetPixel(0, 1), 0x000066u);
    EXPECT_EQ(surface.GetPixel(1, 0), 0u);
}

}  // namespace
}  // namespace vorrith

namespace vorrith {
namespace {

// Every run length from one byte to several vectors, offset so that each row is clipped
// on the left: the vector paths and their ragged ends must match the byte loop.
TEST(SurfaceAddImageTest, EveryWidthSaturatesEveryByteLikeTheByteLoop) {
    for (int w = 1; w <= 23; ++w) {
        Surface surface;
        ASSERT_EQ(surface.Allocate(40, 3), kAllocated);
        for (int i = 0; i < surface.stride * surface.height; ++i) surface.pixels[i] = static_cast<uint8_t>(i * 37);
        const std::vector<uint8_t> before(surface.pixels, surface.pixels + surface.stride * surface.height);
        std::vector<uint8_t> image(static_cast<size_t>(3 * w * 3));
        for (size_t i = 0; i < image.size(); ++i) image[i] = static_cast<uint8_t>(i * 91 + 5);
        surface.AddImage(-1, 0, w, 3, image.data());
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < 40; ++x) {
                for (int c = 0; c < 3; ++c) {
                    const size_t at = static_cast<size_t>(y * surface.stride + 3 * x + c);
                    const int imageX = x + 1;
                    const int added = imageX < w ? image[static_cast<size_t>((y * w + imageX) * 3 + c)] : 0;
                    ASSERT_EQ(surface.pixels[at], std::min(255, before[at] + added))
                        << "width " << w << " at " << x << "," << y << "," << c;
                }
            }
        }
    }
}

}  // namespace
}  // namespace vorrith

namespace vorrith {
namespace {

// An image that is zero outside one span per row (one row empty) gives the same bytes
// through AddImageSpans as through AddImage, wherever it is clipped.
TEST(SurfaceAddImageSpansTest, MatchesAddImageForAnImageZeroOutsideItsSpans) {
    constexpr int kSide = 7;
    const PixelSpan spans[kSide] = {{3, 1}, {1, 5}, {0, 7}, {0, 0}, {2, 3}, {0, 1}, {6, 1}};
    std::vector<uint8_t> image(3 * kSide * kSide, 0);
    for (int r = 0; r < kSide; ++r) {
        for (int c = spans[r].first; c < spans[r].first + spans[r].count; ++c) {
            for (int k = 0; k < 3; ++k) image[3 * (r * kSide + c) + k] = static_cast<uint8_t>(40 * k + 9 * r + c + 1);
        }
    }
    for (int x : {-8, -6, -3, 0, 5, 10, 13, 16}) {
        for (int y : {-7, -4, 0, 3, 6, 9}) {
            Surface plain, spanned;
            ASSERT_EQ(plain.Allocate(16, 10), kAllocated);
            ASSERT_EQ(spanned.Allocate(16, 10), kAllocated);
            const int bytes = plain.stride * plain.height + 1;
            for (int i = 0; i < bytes; ++i) plain.pixels[i] = spanned.pixels[i] = static_cast<uint8_t>(i * 29 + 200);
            plain.AddImage(x, y, kSide, kSide, image.data());
            spanned.AddImageSpans(x, y, kSide, kSide, image.data(), spans);
            ASSERT_TRUE(std::equal(plain.pixels, plain.pixels + bytes, spanned.pixels)) << "at " << x << "," << y;
        }
    }
}

}  // namespace
}  // namespace vorrith
