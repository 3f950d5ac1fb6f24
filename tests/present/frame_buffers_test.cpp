#include "present/frame_buffers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "present/cross_fade.h"
#include "present/cross_fade_kernels.h"

namespace vorrith {
namespace {

class FrameBuffersTest : public ::testing::Test {
protected:
    void TearDown() override { DestroyFrameBuffers(); }
};

TEST_F(FrameBuffersTest, CanvasOnlyAndRefusedSecondCall) {
    EXPECT_EQ(CreateFrameBuffers(640, 480, kCanvasOnly), kCanvasOnly);
    EXPECT_EQ(Incoming.pixels, nullptr);
    EXPECT_EQ(Outgoing.pixels, nullptr);
    EXPECT_EQ(ClipRight, 639);
    EXPECT_EQ(ClipBottom, 479);
    EXPECT_EQ(CreateFrameBuffers(640, 480, kCanvasAndFadeBuffers), kNoFrameBuffers);
    DestroyFrameBuffers();
    DestroyFrameBuffers();  // twice is harmless
}

TEST_F(FrameBuffersTest, FadeBuffersStartBlackAndRotateBackAfterThree) {
    ASSERT_EQ(CreateFrameBuffers(640, 480, kCanvasAndFadeBuffers), kCanvasAndFadeBuffers);
    for (int i = 0; i < Incoming.stride * Incoming.height; ++i) ASSERT_EQ(Incoming.pixels[i], 0) << i;
    uint8_t* const c = Canvas.pixels;
    uint8_t* const in = Incoming.pixels;
    uint8_t* const out = Outgoing.pixels;
    RotateFrameBuffers();
    EXPECT_EQ(Outgoing.pixels, in);
    EXPECT_EQ(Incoming.pixels, c);
    EXPECT_EQ(Canvas.pixels, out);
    RotateFrameBuffers();
    RotateFrameBuffers();
    EXPECT_EQ(Canvas.pixels, c);
    EXPECT_EQ(Incoming.pixels, in);
    EXPECT_EQ(Outgoing.pixels, out);
}

TEST_F(FrameBuffersTest, CrossFadeBlendsEveryByteTruncated) {
    ASSERT_EQ(CreateFrameBuffers(640, 480, kCanvasAndFadeBuffers), kCanvasAndFadeBuffers);
    const int bytes = Canvas.stride * Canvas.height;
    for (int i = 0; i < bytes; ++i) {
        Incoming.pixels[i] = static_cast<uint8_t>(i * 13);
        Outgoing.pixels[i] = static_cast<uint8_t>(i * 7 + 3);
    }
    CrossFade(256);
    EXPECT_EQ(std::memcmp(Canvas.pixels, Incoming.pixels, bytes), 0);
    CrossFade(0);
    EXPECT_EQ(std::memcmp(Canvas.pixels, Outgoing.pixels, bytes), 0);
    Incoming.pixels[5] = 255;
    Outgoing.pixels[5] = 0;
    CrossFade(128);
    EXPECT_EQ(Canvas.pixels[5], 127);
    for (int level : {1, 27, 200}) {
        CrossFade(level);
        for (int i = 0; i < bytes; i += 4099) {
            EXPECT_EQ(Canvas.pixels[i], (Outgoing.pixels[i] * (256 - level) + Incoming.pixels[i] * level) >> 8);
        }
    }
}

}  // namespace
}  // namespace vorrith

namespace vorrith {
namespace {

using BlendFunction = void (*)(const uint8_t*, const uint8_t*, uint8_t*, size_t, int);

// Every pair of bytes at every level, from an odd offset and with an odd length so that
// both unaligned loads and the scalar tail are exercised.
void ExpectExactForEveryByteAndLevel(BlendFunction blend) {
    std::vector<uint8_t> from(65536 + 7);
    std::vector<uint8_t> to(from.size());
    for (size_t i = 0; i < from.size(); ++i) {
        from[i] = static_cast<uint8_t>(i);
        to[i] = static_cast<uint8_t>(i >> 8);
    }
    std::vector<uint8_t> out(from.size());
    for (int level = 0; level <= 256; ++level) {
        blend(from.data() + 1, to.data() + 1, out.data(), from.size() - 1, level);
        for (size_t i = 0; i + 1 < from.size(); ++i) {
            const int expected = (from[i + 1] * (256 - level) + to[i + 1] * level) >> 8;
            ASSERT_EQ(out[i], expected) << "level " << level << " byte " << i;
        }
    }
}

// A block kernel followed by the table form for the bytes it leaves.
template <size_t (*Blocks)(const uint8_t*, const uint8_t*, uint8_t*, size_t, int)>
void BlocksThenTables(const uint8_t* from, const uint8_t* to, uint8_t* out, size_t count, int level) {
    const size_t done = Blocks(from, to, out, count, level);
    CrossFadeBytesWithTables(from + done, to + done, out + done, count - done, level);
}

TEST(CrossFadeBytesTest, EveryKernelMatchesTheFormulaForEveryByteLevelAndLength) {
    ExpectExactForEveryByteAndLevel(CrossFadeBytes);
    ExpectExactForEveryByteAndLevel(CrossFadeBytesWithTables);
#if defined(VORRITH_SSE2)
    ExpectExactForEveryByteAndLevel(BlocksThenTables<CrossFadeBlocksSse2>);
#endif
#if defined(VORRITH_WIDE_CROSS_FADE)
    if (WideCrossFadeAvailable()) ExpectExactForEveryByteAndLevel(BlocksThenTables<CrossFadeBlocksAvx2>);
#endif
}

}  // namespace
}  // namespace vorrith
