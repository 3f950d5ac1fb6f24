#include "layers/sky/dust_glow.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "layers/sky/glow_sprite.h"
#include "tests/layers/sky/sky_layer_fixture.h"

namespace vorrith {
namespace {

class DustDotsTest : public SkyLayerTest {
protected:
    // A canvas of varied bytes, some near saturation.
    static void Paint() {
        const size_t bytes = static_cast<size_t>(Canvas.stride) * Canvas.height;
        for (size_t i = 0; i < bytes; ++i) Canvas.pixels[i] = static_cast<uint8_t>((i * 97 + i / 1920) % 256);
    }
};

// Counting the dots and adding them at the end must give the bytes of adding the dust
// sprite at every dot in turn: piled up until they saturate, at the canvas corners where
// blocks are clipped, and outside the expected rectangle.
TEST_F(DustDotsTest, GivesTheBytesOfAddingEveryDotSprite) {
    std::vector<std::pair<int, int>> centres;
    for (int i = 0; i < 300; ++i) centres.emplace_back(20, 30);  // saturates every channel
    for (int i = 0; i < 40; ++i) centres.emplace_back(21 + i % 5, 29 + i % 7);
    for (int i = 0; i < 50; ++i) centres.emplace_back(0, 0);
    centres.emplace_back(639, 479);
    centres.emplace_back(639, 0);
    centres.emplace_back(0, 479);
    centres.emplace_back(300, 200);  // outside the rectangle below: added at once
    centres.emplace_back(-1, 5);     // off the canvas: only its right column shows

    Paint();
    const GlowSprite dot = MakeGlowSprite(3, {1, 1, 1});
    for (const auto& c : centres) AddGlowSprite(dot, c.first, c.second, 3);
    AddGlowSprite(dot, 639, 0, 3);
    const std::vector<uint8_t> expected = Snapshot();

    Paint();
    DustDots dots(0, 0, 60, 479);
    for (const auto& c : centres) dots.Place(c.first, c.second);
    dots.AddToCanvas();
    dots.Place(639, 0);  // counting starts afresh after each addition
    dots.AddToCanvas();
    EXPECT_TRUE(Snapshot() == expected);
}

}  // namespace
}  // namespace vorrith
