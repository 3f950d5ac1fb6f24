// Where the page's slideshow shows pictures on a screen of any shape: the largest
// rectangle of the picture's 4:3 shape, centred, with black around it. The fades zoom
// between the native 640 x 480 and that rectangle, as the saver's zoom between native
// size and the whole screen.
#pragma once

#include <cstdint>

#include "present/render_geometry.h"

namespace vorrith {

// The largest 4:3 rectangle inside a screenWidth x screenHeight screen, centred
// (halves truncated), in screen coordinates. Empty for an empty screen.
ScreenRect LargestPictureRect(int32_t screenWidth, int32_t screenHeight);

// rect moved right by dx and down by dy.
ScreenRect OffsetRect(const ScreenRect& rect, int32_t dx, int32_t dy);

}  // namespace vorrith
