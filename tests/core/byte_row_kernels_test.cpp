#include "core/byte_row_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace vorrith {
namespace {

// Byte values covering both ends and a spread between, varied with the position.
std::vector<uint8_t> Row(int count, int seed) {
    std::vector<uint8_t> bytes(static_cast<size_t>(count) + 16, 0xA5);  // guard bytes past the run
    for (int i = 0; i < count; ++i) bytes[i] = static_cast<uint8_t>((i * 37 + seed * 101) % 256);
    if (count > 0) bytes[0] = 255;
    if (count > 1) bytes[count - 1] = 0;
    return bytes;
}

uint8_t ScaledReference(int value, int factor) {
    return static_cast<uint8_t>(std::min(255, (value * factor + 128) >> 8));
}

TEST(PixelRowsTest, ScaleBytesMatchesTheFormulaForEveryLengthAndFactor) {
    for (int factor : {0, 1, 100, 127, 128, 129, 200, 255, 256, 257, 260, 265, 300, 383, 384, 500, 1000}) {
        for (int count = 0; count <= 70; ++count) {
            std::vector<uint8_t> bytes = Row(count, factor);
            const std::vector<uint8_t> before = bytes;
            ScaleBytes(bytes.data(), count, factor);
            for (int i = 0; i < count + 16; ++i) {
                const uint8_t expected = i < count ? ScaledReference(before[i], factor) : before[i];
                ASSERT_EQ(bytes[i], expected) << "factor " << factor << " count " << count << " byte " << i;
            }
        }
    }
}

TEST(PixelRowsTest, ScaleBytesCoversEveryByteValueAtTheLaneLimits) {
    for (int factor : {128, 383}) {
        std::vector<uint8_t> bytes(256);
        for (int v = 0; v < 256; ++v) bytes[v] = static_cast<uint8_t>(v);
        ScaleBytes(bytes.data(), 256, factor);
        for (int v = 0; v < 256; ++v) EXPECT_EQ(bytes[v], ScaledReference(v, factor)) << v << " by " << factor;
    }
}

TEST(PixelRowsTest, BlendBytesRoundedMatchesTheFormulaForEveryLengthAndColour) {
    for (uint32_t colour : {0x000000u, 0xFFFFFFu, 0x123456u, 0xFF00A0u}) {
        for (int count = 0; count <= 100; ++count) {
            std::vector<uint8_t> bytes = Row(count, count);
            const std::vector<uint8_t> alphas = Row(count, count + 7);
            const std::vector<uint8_t> before = bytes;
            BlendBytesRounded(bytes.data(), alphas.data(), count, colour);
            for (int i = 0; i < count + 16; ++i) {
                const int c = static_cast<uint8_t>(colour >> (8 * (i % 3)));
                const int a = alphas[i];
                const uint8_t expected =
                    i < count ? static_cast<uint8_t>((before[i] * (256 - a) + c * a + 128) >> 8) : before[i];
                ASSERT_EQ(bytes[i], expected) << "colour " << colour << " count " << count << " byte " << i;
            }
        }
    }
}

// Blocks of alpha 0 between blended ones: the skipped blocks keep their bytes and the
// blocks after them still take the colour channel of their own position.
TEST(PixelRowsTest, BlendBytesRoundedSkipsBlocksOfAlphaZeroAndKeepsTheChannelOrder) {
    const int count = 7 * 48 + 5;
    std::vector<uint8_t> bytes = Row(count, 3);
    std::vector<uint8_t> alphas = Row(count, 11);
    for (int i = 0; i < count; ++i) {
        if ((i / 16) % 3 != 1) alphas[i] = 0;
    }
    const std::vector<uint8_t> before = bytes;
    const uint32_t colour = 0x10C0F0u;
    BlendBytesRounded(bytes.data(), alphas.data(), count, colour);
    for (int i = 0; i < count; ++i) {
        const int c = static_cast<uint8_t>(colour >> (8 * (i % 3)));
        const int a = alphas[i];
        ASSERT_EQ(bytes[i], static_cast<uint8_t>((before[i] * (256 - a) + c * a + 128) >> 8)) << "byte " << i;
    }
}

TEST(PixelRowsTest, BlendBytesRoundedIsExactForEveryValueAndAlpha) {
    // Every destination byte against every alpha, with white and black sources.
    for (uint32_t colour : {0x000000u, 0xFFFFFFu}) {
        for (int a = 0; a < 256; ++a) {
            std::vector<uint8_t> bytes(256);
            for (int v = 0; v < 256; ++v) bytes[v] = static_cast<uint8_t>(v);
            const std::vector<uint8_t> alphas(256, static_cast<uint8_t>(a));
            BlendBytesRounded(bytes.data(), alphas.data(), 256, colour);
            const int c = static_cast<uint8_t>(colour);
            for (int v = 0; v < 256; ++v) {
                ASSERT_EQ(bytes[v], static_cast<uint8_t>((v * (256 - a) + c * a + 128) >> 8)) << v << " alpha " << a;
            }
        }
    }
}

}  // namespace
}  // namespace vorrith
