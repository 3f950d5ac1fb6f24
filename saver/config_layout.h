// Placement of the configuration dialog: the window grows so that its client area is
// 640 x 480 (never shrinking), sits centred in the work area but not above its top,
// and the row of controls moves from the top of the client area to its bottom.
#pragma once

namespace vorrith {

struct DialogRect {
    int left, top, right, bottom;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct WindowPlacement {
    int x, y, width, height;
};

WindowPlacement PlaceConfigDialog(const DialogRect& workArea, const DialogRect& window,
                                  const DialogRect& client);

// New top of a control whose client rectangle ends at controlBottom: as far above
// the picture's bottom row as it was below the client area's top.
int ControlTopAtBottom(int controlBottom);

}  // namespace vorrith
