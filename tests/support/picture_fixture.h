// Shared test helpers: a canvas set up as the programs set it up, and the canvas hash
// the reference checkpoints use.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "core/canvas.h"

namespace vorrith {

// 64-bit FNV-1a over all stride x height bytes of a surface, or of the canvas.
uint64_t SurfaceHash(const Surface& surface);
uint64_t CanvasHash();

// A 640 x 480 canvas for each test, released afterwards.
class CanvasTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(CreateCanvas(kPictureWidth, kPictureHeight), kAllocated); }
    void TearDown() override { ReleaseCanvas(); }
};

// Renders a picture with no control word.
void RenderPicture(int imageNumber);

// Plans a picture as its drawing starts (plan, palette, table and layer choices), so
// that a layer's test draws in the state the scene driver gives that layer.
void PlanPicture(int imageNumber);

// Colour of a palette entry as (red, green, blue) bytes, for readable expectations.
struct Rgb {
    int red, green, blue;
    bool operator==(const Rgb& other) const { return red == other.red && green == other.green && blue == other.blue; }
};
Rgb PaletteRgb(int index);
Rgb PixelRgb(int x, int y);
void PrintTo(const Rgb& rgb, std::ostream* os);

}  // namespace vorrith
