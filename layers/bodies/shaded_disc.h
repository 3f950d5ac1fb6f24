// Shaded discs: the bodies of planets and moons, painted straight into the canvas.
//
// DrawShadedDisc(disc) fills a disc whose colour runs from Palette[lowIndex] at its left edge to Palette[highIndex]
// at its right, dithered over ditherDepth entries with one RandomTable value per interior
// pixel, with an anti-aliased rim and narrower colour ranges on the cap rows towards the
// top and bottom, so the disc reads as a sphere. phaseIndex 0 means no phase; otherwise
// pixels whose undithered index lies below it take the sky's colour (the dark side), one
// rand() each on a gradient sky. Radius below 1 draws nothing; radius 1 sets one pixel.
// No row at or below horizonRow and no column outside ClipLeft ... ClipRight is written.
//
// The pieces, used by the disc and by tests:
//   FillShadedSpan   one interior row from x0 to x1 (the row must be a sky row); clipped
//                    spans keep the colour ramp they would have on a larger canvas.
//   BlendRimPixels   blends the disc's rim pixels (cx +- a, cy -+ b), the left one in
//                    lowIndex and the right one in highIndex, with weight 2 * w.
//   MixPaletteColours a colour between Palette entries, amount 0 ... 128.
//   SkyShadeIndex    the sky's palette entry at row y (32 ... 55), one rand() on a
//                    gradient sky; 0 (black) on a black sky.
#pragma once

#include <cstdint>

namespace vorrith {

struct ShadedDisc {
    int cx, cy;
    int radius;
    int lowIndex, highIndex;  // the palette entries at the left and the right edge
    int phaseIndex;           // 0: no phase
    int ditherDepth;
};

void DrawShadedDisc(const ShadedDisc& disc);

void FillShadedSpan(int x0, int x1, int y, int lowIndex, int highIndex, int phaseIndex, int ditherDepth);
void BlendRimPixels(const ShadedDisc& disc, int a, int b, int weight);
uint32_t MixPaletteColours(int fromIndex, int toIndex, int amount);
int SkyShadeIndex(int y);

}  // namespace vorrith
