// Where a frame lands in the window and how its pixels are made: the render loop's frame
// rectangle clipped to the picture area it belongs to, and the canvas stretched over it
// as 32-bit pixels for an X image.
//
// The stretch is nearest neighbour in integer arithmetic: column x of a frame w pixels
// wide shows canvas column x * 640 / w (rows alike), so at 640 x 480 it is the canvas
// itself. Each canvas row is converted once per frame and its repeats are copied, which
// keeps a 4K frame to about a 640-pixel-wide conversion and a memory copy.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "core/surface.h"
#include "present/render_geometry.h"

namespace vorrith {

// 8-bit channels at these bit offsets of a 32-bit pixel; opaqueBits are set in every
// pixel (the alpha byte of a 32-bit-deep window, else none).
struct PixelLayout {
    int redShift;
    int greenShift;
    int blueShift;
    uint32_t opaqueBits;
};

// The layout of a true-colour visual from its masks and depth; false unless each mask
// is 8 contiguous bits (the 16-bit and colour-mapped visuals of old displays are not
// drawn).
bool PixelLayoutOfVisual(unsigned long redMask, unsigned long greenMask, unsigned long blueMask, int depth,
                         PixelLayout& layout);

// The part of frame `dest` that is shown: within the 4:3 picture area of the area
// (monitor, or the whole window) that holds dest's centre. Empty (right <= left or
// bottom <= top) when nothing is.
ScreenRect VisibleFramePart(const ScreenRect& dest, const std::vector<ScreenRect>& areas);

struct FrameSize {
    int32_t width;
    int32_t height;
};

// The largest picture area among areas, side by side: the most a frame can show.
FrameSize LargestPictureArea(const std::vector<ScreenRect>& areas);

// Writes `part` (window coordinates, inside dest) of the picture stretched over dest into
// out, whose rows are outStride pixels apart; out's top left is part's top left.
void StretchPicture(const Surface& picture, const ScreenRect& dest, const ScreenRect& part, const PixelLayout& layout,
                    uint32_t* out, size_t outStride);

}  // namespace vorrith
