#include "present/render_geometry.h"

#include "core/canvas.h"

namespace vorrith {
namespace {

ScreenRect CentredRect(int32_t cw, int32_t ch, int32_t w, int32_t h) {
    const int32_t left = (cw - w) / 2;
    const int32_t top = (ch - h) / 2;
    return {left, top, left + w, top + h};
}

}  // namespace

ScreenRect NativeCentredRect(int32_t cw, int32_t ch) {
    return CentredRect(cw, ch, kPictureWidth, kPictureHeight);
}

ScreenRect ZoomRect(int32_t cw, int32_t ch, int step, int direction) {
    int32_t dx = ((cw - kPictureWidth) * step) / kZoomSteps;
    int32_t dy = ((ch - kPictureHeight) * step) / kZoomSteps;
    if (direction == 1) {
        dx = cw - kPictureWidth - dx;
        dy = ch - kPictureHeight - dy;
    }
    return CentredRect(cw, ch, kPictureWidth + dx, kPictureHeight + dy);
}

}  // namespace vorrith
