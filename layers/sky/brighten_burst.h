// BrightenBurst: brightens the sky around a point along short jittered rays.
//
// Every hit multiplies a pixel by factor / 256 (ScalePixel, saturating), so a burst only
// strengthens light already there: on black sky it leaves black. Points outside the
// columns ClipLeft ... ClipRight or the rows 0 ... horizonRow - 1 are skipped.
//
// The burst is drawn in passes whose outer radius grows by e = outerRadius / k (k is 1,
// or 1 + sunX mod 4 for bursts wider than 16), so inner radii are hit once per pass.
// Each point draws one rand() for its jitter and moves RandomCursor by 4 without reading.
#pragma once

namespace vorrith {

void BrightenBurst(int x, int y, int innerRadius, int outerRadius, int factor);

}  // namespace vorrith
