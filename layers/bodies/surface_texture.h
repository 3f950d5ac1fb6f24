// Surface texture of planets and moons: noise warped six times through random grids,
// smoothed, doubled, cut to the body's disc with the disc's own anti-aliased rim and
// blended over the canvas as a coverage mask of one colour. Both layers pass a palette
// entry that is always black, so the texture only darkens.
//
// MakeSurfaceTexture(cells)  a new (16 cells) x (16 cells) texture, or null when memory
//                            runs out or a warp grid cannot be built. Draws (16 cells)^2
//                            rand() values for the noise, then 2 (cells + 1)^2 per pass.
// CutMaskToDisc(mask, stride, radius)  keeps the mask's values inside the disc of that
//                            radius centred on cell (radius - 1, radius - 1), scales its
//                            rim cells by the rim's coverage and clears everything else
//                            in the first 2 radius - 1 rows (and the rows below them).
// DrawSurfaceTexture(cx, cy, radius, colour)  the whole operation for one body; out of
//                            memory anywhere leaves the body as it is; a radius below 1
//                            draws nothing. The mask is clipped to the canvas only, not
//                            to the horizon.
#pragma once

#include <cstdint>
#include <memory>

namespace vorrith {

std::unique_ptr<uint8_t[]> MakeSurfaceTexture(int cells);
void CutMaskToDisc(uint8_t* mask, int stride, int radius);
void DrawSurfaceTexture(int cx, int cy, int radius, uint32_t colour);

// Grid cells across the texture of a body: radius 4 gives 1, radius 159 gives 10.
constexpr int SurfaceTextureCells(int radius) { return (((radius + 1) / 2) * 2 + 14) / 16; }

}  // namespace vorrith
