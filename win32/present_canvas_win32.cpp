#include "win32/present_canvas_win32.h"

#include "core/canvas.h"

namespace vorrith {

static_assert(sizeof(BitmapInfoHeader) == sizeof(BITMAPINFOHEADER), "the canvas header is a BITMAPINFOHEADER");

void PresentCanvas(HDC hdc, const RECT& dest) {
    const auto* info = reinterpret_cast<const BITMAPINFO*>(&Canvas.header);
    StretchDIBits(hdc, dest.left, dest.top, dest.right - dest.left, dest.bottom - dest.top, 0, 0, Canvas.width,
                  Canvas.height, Canvas.pixels, info, DIB_RGB_COLORS, SRCCOPY);
}

}  // namespace vorrith
