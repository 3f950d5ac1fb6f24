// DrawRiver: a blue river from the horizon to the bottom row of a crater plain, narrow
// far away and widening toward the viewer. Its centre follows a cubic course across the
// width, a second cubic traced as three to five alternating bumps adds the meanders, and
// each canvas row gets one span with soft edges and speckled colour. Draws only from
// rand(): eight values for the curves, one for the meander frequency, one per interior
// span pixel and three more for every speckled pixel.
//
// DrawRiverRow(x, y, width, colour) draws one span centred on column x: at each end the
// outermost pixel is left as it is and the next two are blended at 85 and 170 of 256;
// the rest is speckled. Rows outside the
// canvas draw nothing; columns outside are clipped. Spans of 6 pixels or fewer are all
// edge and draw no random values.
#pragma once

#include <cstdint>

namespace vorrith {

constexpr uint32_t kRiverColour = 0x004070C0;  // red 64, green 112, blue 192

void DrawRiver();
void DrawRiverRow(int x, int y, int width, uint32_t colour);

}  // namespace vorrith
