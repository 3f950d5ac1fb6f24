// Helpers of the ground tests: a canvas of one colour, a plan and palette set by hand,
// and a way to tell how far the two random streams moved.
#pragma once

#include <cstdint>
#include <cstring>

#include "core/canvas.h"
#include "core/palette.h"
#include "core/random.h"
#include "core/scene_plan.h"
#include "tests/support/picture_fixture.h"

namespace vorrith {

inline void FillCanvas(uint32_t colour) {
    for (int y = 0; y < Canvas.height; ++y) Canvas.FillSpan(0, Canvas.width - 1, y, colour);
}

inline void SetPaletteEntry(int index, int red, int green, int blue) {
    Palette[index] = {static_cast<uint8_t>(blue), static_cast<uint8_t>(green), static_cast<uint8_t>(red), 0};
}

inline void SetGroundPalette(int red, int green, int blue) {
    for (int i = kGroundPaletteFirst; i < kGroundPaletteFirst + 32; ++i) SetPaletteEntry(i, red, green, blue);
}

inline int CountPixelsNot(uint32_t colour) {
    int count = 0;
    for (int y = 0; y < Canvas.height; ++y) {
        for (int x = 0; x < Canvas.width; ++x) count += Canvas.GetPixel(x, y) != colour ? 1 : 0;
    }
    return count;
}

// The generator state after `count` more draws from `state`.
inline uint32_t StateAfterDraws(uint32_t state, int count) {
    for (int i = 0; i < count; ++i) state = state * 214013u + 2531011u;
    return state;
}

// A ground plan on the 640 x 480 canvas with every table value set to `value`.
inline void PrepareGround(int horizonRow, int tableValue) {
    Plan = ScenePlan{};
    Plan.horizonRow = horizonRow;
    Plan.grain = 2;
    Plan.gradientSky = 1;
    for (int b = 0; b < kPaletteBandCount; ++b) Plan.bands[b] = {32 * b, 32 * b + 31, 0, horizonRow};
    Plan.bands[4] = {128, 159, horizonRow, ClipBottom};
    for (int32_t& v : RandomTable) v = tableValue;
    RandomCursor = 0;
    vorrith::srand(12345);
}

// Weighted blend as the canvas does it: (dst * (256 - w) + src * w) >> 8.
inline int Blend(int dst, int src, int weight) { return (dst * (256 - weight) + src * weight) >> 8; }

}  // namespace vorrith
