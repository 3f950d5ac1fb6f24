#include "present/render_geometry.h"

#include <algorithm>

#include "core/canvas.h"

namespace vorrith {
namespace {

ScreenRect CentredRect(int32_t cw, int32_t ch, int32_t w, int32_t h) {
    const int32_t left = (cw - w) / 2;
    const int32_t top = (ch - h) / 2;
    return {left, top, left + w, top + h};
}

// The frame's size at a zoom step, growing from native size to aw x ah (direction 0)
// or shrinking back (direction 1), centred in cw x ch.
ScreenRect ZoomWithin(int32_t cw, int32_t ch, int32_t aw, int32_t ah, int step, int direction) {
    int32_t dx = ((aw - kPictureWidth) * step) / kZoomSteps;
    int32_t dy = ((ah - kPictureHeight) * step) / kZoomSteps;
    if (direction == 1) {
        dx = aw - kPictureWidth - dx;
        dy = ah - kPictureHeight - dy;
    }
    return CentredRect(cw, ch, kPictureWidth + dx, kPictureHeight + dy);
}

}  // namespace

ScreenRect OffsetRect(const ScreenRect& rect, int32_t dx, int32_t dy) {
    return {rect.left + dx, rect.top + dy, rect.right + dx, rect.bottom + dy};
}

ScreenRect NativeCentredRect(int32_t cw, int32_t ch) { return CentredRect(cw, ch, kPictureWidth, kPictureHeight); }

ScreenRect VirtualScreenRect(const ScreenRect* monitors, int count) {
    if (count <= 0) return {0, 0, 0, 0};
    ScreenRect all = monitors[0];
    for (int i = 1; i < count; ++i) {
        all.left = std::min(all.left, monitors[i].left);
        all.top = std::min(all.top, monitors[i].top);
        all.right = std::max(all.right, monitors[i].right);
        all.bottom = std::max(all.bottom, monitors[i].bottom);
    }
    return all;
}

// 64-bit products: a monitor of 2^16 pixels on a side must not overflow the comparison.
ScreenRect PictureAreaRect(const ScreenRect& monitor) {
    const int32_t mw = monitor.right - monitor.left;
    const int32_t mh = monitor.bottom - monitor.top;
    if (mw <= 0 || mh <= 0) return {monitor.left, monitor.top, monitor.left, monitor.top};
    const bool wide = int64_t{mw} * kPictureHeight >= int64_t{mh} * kPictureWidth;
    const int32_t aw = wide ? static_cast<int32_t>(int64_t{mh} * kPictureWidth / kPictureHeight) : mw;
    const int32_t ah = wide ? mh : static_cast<int32_t>(int64_t{mw} * kPictureHeight / kPictureWidth);
    return OffsetRect(CentredRect(mw, mh, aw, ah), monitor.left, monitor.top);
}

ScreenRect MonitorZoomRect(const ScreenRect& monitor, int step, int direction) {
    const ScreenRect area = PictureAreaRect(monitor);
    const ScreenRect frame = ZoomWithin(monitor.right - monitor.left, monitor.bottom - monitor.top,
                                        area.right - area.left, area.bottom - area.top, step, direction);
    return OffsetRect(frame, monitor.left, monitor.top);
}

ScreenRect RelativeTo(const ScreenRect& rect, const ScreenRect& origin) {
    return OffsetRect(rect, -origin.left, -origin.top);
}

ScreenRect PlaceFrame(const FramePlacement& placement, const ScreenRect& area) {
    switch (placement.fit) {
    case FrameFit::kNative:
        return OffsetRect(NativeCentredRect(area.right - area.left, area.bottom - area.top), area.left, area.top);
    case FrameFit::kZoom: return MonitorZoomRect(area, placement.zoomStep, placement.zoomDirection);
    case FrameFit::kWhole: break;
    }
    return area;
}

}  // namespace vorrith
