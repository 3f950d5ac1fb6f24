#include "layers/shapes/noise_texture.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/random.h"
#include "tests/support/draw_count.h"

namespace vorrith {
namespace {

using Bytes = std::vector<uint8_t>;

// Every cell from the values before the pass, with explicit wrap-around.
Bytes SmoothedByDefinition(const Bytes& v, int w, int h) {
    Bytes out(v.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int x1 = (x + 1) % w;
            const int y1 = (y + 1) % h;
            out[y * w + x] =
                static_cast<uint8_t>((v[y * w + x] + v[y * w + x1] + v[y1 * w + x] + v[y1 * w + x1] + 2) >> 2);
        }
    }
    return out;
}

Bytes RandomBytes(int count, uint32_t seed) {
    srand(seed);
    Bytes bytes(count);
    FillNoiseBytes(bytes.data(), count);
    return bytes;
}

TEST(NoiseTextureTest, SmallTexturesHaveExactValues) {
    Bytes square = {10, 20, 30, 41};  // rows [p q] and [r s]
    SmoothWrapped(square.data(), 2, 2);
    EXPECT_EQ(square, (Bytes{25, 25, 25, 25}));  // (10 + 20 + 30 + 41 + 2) >> 2

    Bytes pair = {0, 255};
    SmoothWrapped(pair.data(), 2, 1);
    EXPECT_EQ(pair, (Bytes{128, 128}));

    const Bytes single = {77};
    Bytes doubled(4);
    UpsampleWrapped(single.data(), 1, 1, doubled.data());
    EXPECT_EQ(doubled, (Bytes{77, 77, 77, 77}));

    const Bytes row = {10, 21};
    Bytes wide(8);
    UpsampleWrapped(row.data(), 2, 1, wide.data());
    EXPECT_EQ(wide, (Bytes{10, 16, 21, 16, 10, 16, 21, 16}));
}

TEST(NoiseTextureTest, ConstantTextureStaysConstant) {
    Bytes flat(6 * 4, 203);
    SmoothWrapped(flat.data(), 6, 4);
    EXPECT_EQ(flat, Bytes(6 * 4, 203));
    Bytes doubled(4 * 6 * 4);
    UpsampleWrapped(flat.data(), 6, 4, doubled.data());
    EXPECT_EQ(doubled, Bytes(4 * 6 * 4, 203));
}

// In place, the pass must still read only values from before it, wrapped ones included;
// odd sizes and single rows or columns exercise every stretch.
TEST(NoiseTextureTest, SmoothingMatchesItsDefinition) {
    const int sizes[][2] = {{5, 3}, {1, 4}, {4, 1}, {1, 1}, {16, 16}, {7, 9}};
    for (const auto& size : sizes) {
        const int w = size[0];
        const int h = size[1];
        Bytes texture = RandomBytes(w * h, 99u + w * 31u + h);
        const Bytes expected = SmoothedByDefinition(texture, w, h);
        SmoothWrapped(texture.data(), w, h);
        EXPECT_EQ(texture, expected) << w << " x " << h;
    }
}

// Widths below, at and past the sixteen columns done at once, so whole blocks, their
// remainders and the wrapped last column are all checked.
TEST(NoiseTextureTest, DoublingKeepsSourceCellsAndWrapsTheOddOnes) {
    const int sizes[][2] = {{5, 3}, {16, 2}, {17, 3}, {33, 1}, {64, 4}, {47, 5}};
    for (const auto& size : sizes) {
        const int w = size[0];
        const int h = size[1];
        const Bytes source = RandomBytes(w * h, 7u + w);
        Bytes doubled(4 * w * h);
        UpsampleWrapped(source.data(), w, h, doubled.data());
        const auto s = [&](int x, int y) { return static_cast<int>(source[(y % h) * w + (x % w)]); };
        const auto d = [&](int x, int y) { return static_cast<int>(doubled[y * 2 * w + x]); };
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                ASSERT_EQ(d(2 * x, 2 * y), s(x, y)) << w << " x " << h;
                ASSERT_EQ(d(2 * x + 1, 2 * y), (s(x, y) + s(x + 1, y) + 1) >> 1);
                ASSERT_EQ(d(2 * x, 2 * y + 1), (s(x, y) + s(x, y + 1) + 1) >> 1);
                ASSERT_EQ(d(2 * x + 1, 2 * y + 1), (s(x, y) + s(x + 1, y) + s(x, y + 1) + s(x + 1, y + 1) + 2) >> 2);
            }
        }
    }
}

TEST(NoiseTextureTest, FillTakesTheLowByteOfOneDrawPerByte) {
    srand(4242);
    const uint32_t before = RandomState();
    Bytes expected(300);
    for (uint8_t& b : expected) b = static_cast<uint8_t>(rand());
    srand(4242);
    Bytes filled(300);
    FillNoiseBytes(filled.data(), 300);
    EXPECT_EQ(filled, expected);
    EXPECT_EQ(DrawsBetween(before, RandomState()), 300);

    const uint32_t untouched = RandomState();
    FillNoiseBytes(filled.data(), 0);
    EXPECT_EQ(RandomState(), untouched);
}

}  // namespace
}  // namespace vorrith
